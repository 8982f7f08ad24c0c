#include "templatewindow.h"

#include "facestandins.h"
#include "messagetable.h"
#include "templatecontrols.h"
#include "templateimages.h"
#include "texts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QTreeWidget>

namespace uninst {

namespace {

constexpr uint32_t WS_DISABLED_STYLE = 0x08000000;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_READONLY = 0x0800;
constexpr uint32_t BS_TYPEMASK = 0x000F;
constexpr uint32_t BS_OWNERDRAW = 0x000B;
constexpr uint32_t BS_BITMAP = 0x0080;

// The maker's web site, opened by a label that names the maker.
const QString makerSite = QStringLiteral("https://www.pelmora.example/");

QFont makeFont(const WindowRecord &window, int scale, bool bold, bool underline)
{
    QFont font(FromUtf8Data(window.faceName));
    // Points at the screen's dots per inch, as a character height in pixels.
    const int pixels = int((int64_t(window.fontSize) * (96 * scale / 1000) + 36) / 72);
    if (pixels > 0)
        font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(window.fontFlags & 2);
    font.setUnderline(underline);
    return font;
}

// "hyperlink: text="shown" link="target"": the shown text and the target, or nothing.
std::optional<std::pair<QString, QString>> hyperlink(const ByteString &text)
{
    if (text.length() < 10 || !ByteString(text.data(), 10).equals(ByteString("hyperlink:"), false))
        return std::nullopt;
    const auto quoted = [&](const char *tag, int64_t from, int64_t *end) -> std::optional<ByteString> {
        const ByteString open = ByteString(tag);
        const int64_t at = text.find(open, from, false);
        if (at < 0)
            return std::nullopt;
        const int64_t start = at + open.length();
        const int64_t close = text.findByte('"', start);
        if (close < 0)
            return std::nullopt;
        *end = close + 1;
        return ByteString(text.data() + start, close - start);
    };
    int64_t end = 10;
    const auto shown = quoted("text=\"", 10, &end);
    if (!shown)
        return std::nullopt;
    const auto target = quoted("link=\"", end, &end);
    if (!target)
        return std::nullopt;
    return std::make_pair(FromUtf8Data(*shown), FromUtf8Data(*target));
}

} // namespace

int ScreenScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? int(screen->logicalDotsPerInchY() * 1000 / 96) : 1000;
}

QPoint PlaceWindow(const QRect &area, QSize size, uint32_t mode, int xOffset, int yOffset)
{
    const int left = area.left(), top = area.top();
    const int right = area.left() + area.width(), bottom = area.top() + area.height();
    const int cx = left + (right - left) / 2, cy = top + (bottom - top) / 2;
    const int w = size.width(), h = size.height();
    int x = left, y = top;
    switch (mode) {
    case 1: x = cx - w / 2; break;
    case 2: x = right - w; break;
    case 3: y = cy - h / 2; break;
    case 4: x = cx - w / 2; y = cy - h / 2; break;
    case 5: x = right - w; y = cy - h / 2; break;
    case 6: y = bottom - h; break;
    case 7: x = cx - w / 2; y = bottom - h; break;
    case 8: x = right - w; y = bottom - h; break;
    default: break;
    }
    x += xOffset;
    y += yOffset;
    if (x < left)
        x = 0;
    else if (x > right - w)
        x = right - w;
    if (y < top)
        y = 0;
    else if (y > bottom - h)
        y = bottom - h;
    return {x, y};
}

QColor TemplateColour(uint32_t value, const QPalette &system)
{
    switch (value) {
    case ColourWindowText: return system.color(QPalette::WindowText);
    case ColourWindow: return system.color(QPalette::Base);
    case ColourButtonFace: return system.color(QPalette::Button);
    default: return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    }
}

TemplateWindow::TemplateWindow() : scale_(ScreenScale())
{
}

QWidget *TemplateWindow::control(uint32_t id) const
{
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

int TemplateWindow::create(const ByteString &bytes, QWidget *parent)
{
    const int parsed = ParseTemplate(bytes, scale_, Messages().languageId(), &window_, &controls_);
    if (parsed != TemplateRead)
        return parsed;
    ProvideFace(FromUtf8Data(window_.faceName));
    normalFont_ = makeFont(window_, scale_, window_.fontFlags & 1, false);
    boldFont_ = makeFont(window_, scale_, true, false);
    linkFont_ = makeFont(window_, scale_, false, true);

    if (window_.style & WS_VISIBLE_STYLE) {
        host_ = this;
        setParent(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
        setObjectName(QStringLiteral("CIDialogTemplate"));
        setFont(normalFont_);
        if (!window_.windowText.isEmpty())
            setWindowTitle(FromUtf8Data(window_.windowText));
        // The template's size takes in an 18-pixel caption and 1-pixel edges; the window
        // manager draws its own frame around the client area.
        const QSize outer(window_.width, window_.height);
        setFixedSize(qMax(1, outer.width() - 2), qMax(1, outer.height() - 20));
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        move(PlaceWindow(area, outer, window_.placement, window_.xOffset, window_.yOffset));
    } else if (parent) {
        host_ = parent;
    } else {
        return WindowNotCreated;
    }

    int result = WindowCreated;
    for (const ControlRecord &record : controls_)
        if (createControl(record) != WindowCreated)
            result = WindowNotCreated;
    onInitDialog();
    if (QWidget *closing = control(55))
        closing->setFocus();
    if (host_ == this)
        show();
    return result;
}

void TemplateWindow::applyColours(QWidget *widget, const ControlRecord &record)
{
    QPalette palette = widget->palette();
    const QColor text = TemplateColour(record.textColour, palette);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    if (record.backColour != ColourTransparent) {
        const QColor back = TemplateColour(record.backColour, palette);
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Button, back);
        widget->setAutoFillBackground(record.kind == KindLabel || record.kind == KindRichEdit
                                      || record.kind == KindTreeView || record.kind == KindListBox);
    }
    widget->setPalette(palette);
}

int TemplateWindow::createControl(const ControlRecord &record)
{
    QWidget *widget = nullptr;
    QFont font = normalFont_;
    const QString text = FromUtf8Data(record.text);
    const uint32_t buttonType = record.style & BS_TYPEMASK;
    switch (record.kind) {
    case KindLabel: {
        if (record.extendedStyle & BoldLabelBit) {
            widget = new QLabel(text, host_);
            font = boldFont_;
        } else if (record.text.equals(ByteString("Pelmora Software"), false)) {
            widget = new LinkLabel(text, makerSite, host_);
            font = linkFont_;
        } else if (const auto link = hyperlink(record.text)) {
            widget = new LinkLabel(link->first, link->second, host_);
            font = linkFont_;
        } else {
            widget = new QLabel(text, host_);
        }
        auto *label = static_cast<QLabel *>(widget);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const QSize size(record.width, record.height);
        if (record.variant == LabelBitmap && record.imageId != ImageProgramIcon && record.imageId != ImageNone)
            label->setPixmap(TableBitmap(record.imageId, size));
        else if (record.variant == LabelIcon && record.imageId != ImageNone)
            label->setPixmap(TableIcon(record.imageId));
        break;
    }
    case KindButton:
    case KindButton3:
    case KindButton4:
    case KindButton9:
        if (record.kind == KindButton && buttonType == BS_OWNERDRAW) {
            auto *skin = new SkinButton(TableBitmap(record.imageId), TemplateColour(record.backColour, palette()), host_);
            skin->setText(text);
            widget = skin;
        } else if (buttonType == 2 || buttonType == 3 || buttonType == 5 || buttonType == 6) {
            widget = new QCheckBox(text, host_);
        } else if (buttonType == 4 || buttonType == 9) {
            widget = new QRadioButton(text, host_);
        } else if (buttonType == 7) {
            widget = new QGroupBox(text, host_);
        } else {
            auto *button = new QPushButton(text, host_);
            if (record.style & BS_BITMAP) {
                const QPixmap image = TableBitmap(record.imageId);
                button->setIcon(image);
                button->setIconSize(image.size());
            }
            widget = button;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            connect(button, &QAbstractButton::clicked, this, [this, id = record.id] { onCommand(id, 0); });
        break;
    case KindEdit:
        if (record.style & ES_MULTILINE) {
            auto *edit = new QPlainTextEdit(text, host_);
            edit->setReadOnly(record.style & ES_READONLY);
            widget = edit;
        } else {
            auto *edit = new QLineEdit(text, host_);
            edit->setReadOnly(record.style & ES_READONLY);
            widget = edit;
        }
        break;
    case KindRichEdit: {
        auto *edit = new QTextEdit(host_);
        edit->setPlainText(text);
        edit->setReadOnly(record.style & ES_READONLY);
        widget = edit;
        break;
    }
    case KindListBox:
        widget = new QListWidget(host_);
        break;
    case KindComboBox: {
        auto *combo = new QComboBox(host_);
        combo->setEditable(true);
        combo->setEditText(text);
        widget = combo;
        break;
    }
    case KindListView:
    case KindTreeView: {
        auto *tree = new QTreeWidget(host_);
        tree->setHeaderHidden(true);
        tree->setRootIsDecorated(record.kind == KindTreeView);
        widget = tree;
        break;
    }
    default:
        return WindowNotCreated;   // kind 12 and unknown kinds
    }
    widget->setObjectName(QString::number(record.id));
    widget->setGeometry(record.x, record.y, record.width, record.height);
    widget->setFont(font);
    applyColours(widget, record);
    widget->setEnabled(!(record.style & WS_DISABLED_STYLE));
    widget->setVisible(record.style & WS_VISIBLE_STYLE);
    byId_[record.id] = widget;
    return WindowCreated;
}

void TemplateWindow::closeEvent(QCloseEvent *event)
{
    if (onClose())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

} // namespace uninst
