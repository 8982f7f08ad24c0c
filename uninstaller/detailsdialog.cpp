#include "detailsdialog.h"

#include "texts.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace uninst {

QString DetailsText(const LeftBehind &left)
{
    QString text;
    const std::pair<uint32_t, const ByteString *> lists[] = {
        {5, &left.files}, {6, &left.directories}, {7, &left.registryKeys}};
    for (const auto &[heading, list] : lists) {
        if (list->isEmpty())
            continue;
        text += MessageText(heading) + QStringLiteral("\r\n") + FromAnsi(*list) + QStringLiteral("\r\n");
    }
    text.chop(2);
    return text;
}

DetailsDialog::DetailsDialog(const LeftBehind &left, const QString &closeText, QString title, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("Details"));
    title.remove(QLatin1Char('&')).remove(QStringLiteral("..."));
    setWindowTitle(title);
    // 278 x 172 dialog units of 8-point text.
    resize(417, 280);
    auto *box = new QPlainTextEdit(this);
    box->setObjectName(QStringLiteral("1009"));
    box->setPlainText(DetailsText(left).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box->setReadOnly(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    auto *close = new QPushButton(closeText, this);
    close->setObjectName(QStringLiteral("1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace uninst
