#include "frontdesk/bills/frmfoodtxtview.h"

#include "controls/richtextbox.h"
#include "core/state/appstate.h"
#include "ui/forms.h"

namespace frontdesk {

frmFoodTxtView::frmFoodTxtView()
    : RichTextViewer(Name, QStringLiteral("Food & Beverages Details")),
      order_(requested_.value_or(FoodOrderDetails{}))
{
    requested_.reset();
}

void frmFoodTxtView::ShowBill(const FoodOrderDetails &order)
{
    if (auto *open = ui::Forms::Find<frmFoodTxtView>()) {
        if (open->order_ != order) {
            open->order_ = order;
            open->Display_FoodDetails();
        }
        open->Show();
        return;
    }
    requested_ = order;
    ui::Forms::Get<frmFoodTxtView>().Show();
}

void frmFoodTxtView::Display_FoodDetails()
{
    setBill(FoodBillText(order_, core::State().mOrderSign));
}

} // namespace frontdesk
