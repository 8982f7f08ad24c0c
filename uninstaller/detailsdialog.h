#pragma once
// "Details": what the run could not remove, files, folders and registry keys, each list
// under its heading from the message table.
#include "runlists.h"

#include <QDialog>

namespace uninst {

// The text of the dialog's box.
QString DetailsText(const LeftBehind &left);

class DetailsDialog : public QDialog {
    Q_OBJECT
public:
    // `closeText` is the progress window's closing button's text, `title` its details
    // button's (with "&" and "..." removed).
    DetailsDialog(const LeftBehind &left, const QString &closeText, QString title, QWidget *owner);
};

} // namespace uninst
