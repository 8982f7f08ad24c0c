#pragma once
// The payment options of a booking (0 Cash, 1 Cheque, 2 Credit Card, 3 Other), the prompt
// each non-cash option puts into the empty details box, and what is stored for them.
#include <QString>

namespace frontdesk {

inline constexpr int PaymentCash = 0;
inline constexpr int PaymentCheque = 1;
inline constexpr int PaymentCreditCard = 2;
inline constexpr int PaymentOptionCount = 4;

// "Cash", "Cheque", "Credit Card", "Other".
QString PaymentMethodName(int index);

// The prompt of a non-cash option ("Enter Cheque Details"...); "" for Cash.
QString PaymentPrompt(int index);

// One of the three prompts.
bool IsPaymentPrompt(const QString &details);

// The details stored with a booking: "Cash" when paid in cash; "N/A" when the box is empty
// or still shows a prompt; otherwise the details with each "'" kept as "!*!".
QString StoredPaymentDetails(bool cash, const QString &details);

} // namespace frontdesk
