#pragma once
// "Food & Beverages Details": the bill of the order selected in a guest's food orders
// window, as editable rich text.
#include "frontdesk/bills/foodbill.h"
#include "frontdesk/bills/richtextviewer.h"

#include <optional>

namespace frontdesk {

class frmFoodTxtView : public RichTextViewer {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmFoodTxtView");

    frmFoodTxtView();

    // Shows the bill of `order`, not modal. The open viewer is brought forward as it stands
    // when it shows this bill already, and builds the bill anew for another order or for
    // figures that have changed since.
    static void ShowBill(const FoodOrderDetails &order);

    void Display_FoodDetails();
    const FoodOrderDetails &Order() const { return order_; }

protected:
    void buildBill() override { Display_FoodDetails(); }

private:
    FoodOrderDetails order_;
    // The order handed to the next viewer that loads.
    static inline std::optional<FoodOrderDetails> requested_;
};

} // namespace frontdesk
