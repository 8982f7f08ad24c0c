#pragma once
// The about box: the product's name, description, version, the maker's web site as a link,
// the legal warning, and a button that starts the system information tool named in the
// registry.
#include "registry/registry.h"
#include "ui/form.h"

#include <QPixmap>

class QLabel;
class QPushButton;

namespace core {

// The product logo, 64 x 64 pixels: a hotel front under a roof, on the product's blue. The
// about box shows it, and every window of the program carries it as its icon.
QPixmap ProductLogo();

// The maker's web site the about box links to.
inline const QString MakerWebAddress = QStringLiteral("https://www.brevant.example");

class frmAbout : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmAbout");

    frmAbout();

    // Major, minor and revision of the program, plain decimal numbers ("1.0.3").
    static QString VersionText();

    // Starts the tool the registry names, or says that there is none.
    void StartSysInfo();
    // One value of a key: a text as it stands, a 32-bit number as decimal text. False (and
    // KeyVal empty) when the key or the value cannot be read.
    bool GetKeyValue(const reg::HKEY &KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

    QLabel *Picture1;
    QLabel *Label1;   // the program's title
    QLabel *Label2;   // "For managing all types of hotels."
    QLabel *Label6;   // the version
    QLabel *Label5;   // the maker's web address, a link
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;

protected:
    void Form_Load() override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label5_Click();
    void Label5_MouseMove();
    void Form_MouseMove();
    // The link drawn as hovered (bold, underlined, blue, hand pointer) or plain.
    void showLinkHovered(bool hovered);
};

} // namespace core
