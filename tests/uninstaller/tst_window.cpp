// The template window engine: placement, controls of every kind, fonts and colours, the
// language of texts, images, links and skin buttons.
#include "messagetable.h"
#include "templatecontrols.h"
#include "templateimages.h"
#include "templatewindow.h"

#include "ui/scripteddialogs.h"

#include "uninstaller/support/uninstdatabuilder.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace uninst;
using namespace uninsttest;

namespace {


std::vector<ImageRecord> images(const QList<Image> &list)
{
    std::vector<ImageRecord> out;
    for (const Image &image : list)
        out.push_back({int32_t(image.id), Bytes(image.bytes)});
    return out;
}

Control label(uint32_t id, const QByteArray &text, int y = 10) { return PlacedControl(id, 10, y, 200, 20, text); }

} // namespace

class TestUninstWindow : public QObject {
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("xOffset");
        QTest::addColumn<int>("yOffset");
        QTest::addColumn<QPoint>("expected");
        // A 1000 x 700 work area from (0, 40); the window is 300 x 200.
        QTest::newRow("1 top centre") << 1 << 0 << 0 << QPoint(350, 40);
        QTest::newRow("2 top right") << 2 << 0 << 0 << QPoint(700, 40);
        QTest::newRow("3 middle left") << 3 << 0 << 0 << QPoint(0, 290);
        QTest::newRow("4 centre") << 4 << 5 << -5 << QPoint(355, 285);
        QTest::newRow("5 middle right") << 5 << 0 << 0 << QPoint(700, 290);
        QTest::newRow("6 bottom left") << 6 << 0 << 0 << QPoint(0, 540);
        QTest::newRow("7 bottom centre") << 7 << 0 << 0 << QPoint(350, 540);
        QTest::newRow("8 bottom right") << 8 << 0 << 0 << QPoint(700, 540);
        QTest::newRow("9 top left plus offsets") << 9 << 20 << 30 << QPoint(20, 70);
        QTest::newRow("pushed left of the area") << 3 << -50 << 0 << QPoint(0, 290);
        QTest::newRow("pushed above the area") << 1 << 0 << -10 << QPoint(350, 0);
        QTest::newRow("pushed right of the area") << 2 << 80 << 0 << QPoint(700, 40);
        QTest::newRow("pushed below the area") << 8 << 0 << 90 << QPoint(700, 540);
    }
    void placement()
    {
        QFETCH(int, mode);
        QFETCH(int, xOffset);
        QFETCH(int, yOffset);
        QFETCH(QPoint, expected);
        QCOMPARE(PlaceWindow(QRect(0, 40, 1000, 700), QSize(300, 200), uint32_t(mode), xOffset, yOffset), expected);
    }

    void skinCells_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("hot");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<int>("cell");
        QTest::newRow("normal") << 5 << false << true << false << false << 0;
        QTest::newRow("pressed") << 5 << true << true << true << true << 1;
        QTest::newRow("disabled") << 5 << false << false << true << true << 2;
        QTest::newRow("hot") << 5 << false << true << true << true << 3;
        QTest::newRow("hot without a hot cell") << 3 << false << true << true << false << 0;
        QTest::newRow("focused, five cells") << 5 << false << true << false << true << 4;
        QTest::newRow("focused, four cells") << 4 << false << true << false << true << 0;
    }
    void skinCells()
    {
        QFETCH(int, cells);
        QFETCH(bool, pressed);
        QFETCH(bool, enabled);
        QFETCH(bool, hot);
        QFETCH(bool, focused);
        QFETCH(int, cell);
        // A strip of n cells of width 60 is n x 60 wide (the rule compares with 3w+3, 4w+4).
        QCOMPARE(SkinCell(cells * 60, 60, pressed, enabled, hot, focused), cell);
    }

    void skinButtonFocusRectangle()
    {
        ImageTable() = images({{20, StripBitmap(60, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00})},
                               {21, StripBitmap(60, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF})}});
        Template t;
        Control four;
        four.kind = 2;
        four.style = 0x5001000B;
        four.id = 55;
        four.width = 60;
        four.imageId = 20;
        four.text = "Close";
        Control five = four;
        five.id = 56;
        five.x = 100;
        five.imageId = 21;
        t.controls = {four, five};
        TemplateWindow window;
        QCOMPARE(window.create(Bytes(t.bytes())), int(WindowCreated));
        auto *fourCells = qobject_cast<SkinButton *>(window.control(55));
        auto *fiveCells = qobject_cast<SkinButton *>(window.control(56));
        QVERIFY(fourCells && fiveCells);
        window.activateWindow();
        fourCells->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return fourCells->hasFocus(); }));
        QVERIFY(fourCells->drawsFocusRectangle());
        QCOMPARE(fourCells->currentCell(), 0);
        fiveCells->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return fiveCells->hasFocus(); }));
        QVERIFY(!fiveCells->drawsFocusRectangle());
        QCOMPARE(fiveCells->currentCell(), 4);
        // The painted cell is the strip's fifth (yellow-blue: 0x00FFFF is cyan).
        const QImage shot = fiveCells->grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2), QColor(0x00, 0xFF, 0xFF));
    }

    void hoverHighlightsLinksAndSkinButtons()
    {
        ImageTable() = images({{21, StripBitmap(60, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF})}});
        Template t;
        Control skin;
        skin.kind = 2;
        skin.style = 0x5001000B;
        skin.id = 56;
        skin.y = 100;
        skin.width = 60;
        skin.imageId = 21;
        t.controls = {label(3, "hyperlink: text=\"Help\" link=\"https://brevant.example/help\""), skin};
        TemplateWindow window;
        QCOMPARE(window.create(Bytes(t.bytes())), int(WindowCreated));
        auto *link = qobject_cast<LinkLabel *>(window.control(3));
        auto *button = qobject_cast<SkinButton *>(window.control(56));
        QVERIFY(link && button);
        const QColor normal = link->palette().color(QPalette::WindowText);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &enter);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCoreApplication::sendEvent(link, &leave);
        QCOMPARE(link->palette().color(QPalette::WindowText), normal);
        QCoreApplication::sendEvent(button, &enter);
        QCOMPARE(button->currentCell(), 3);
        QCOMPARE(button->grab().toImage().pixelColor(2, 2), QColor(0xFF, 0xFF, 0x00));
        QCoreApplication::sendEvent(button, &leave);
        QCOMPARE(button->currentCell(), 0);
        button->setEnabled(false);
        QCOMPARE(button->currentCell(), 2);
    }

    void buildsEveryKindOfControl()
    {
        Messages() = MessageTable();
        Messages().load(Bytes(MessageTableBytes(1035, {})));
        ImageTable() = images({{3, SolidBitmap(16, 8, 0x3366CC)}, {4, SolidIcon(0x00AA00)}});
        Template t;
        t.width = 500;
        t.height = 400;
        t.fontSize = 10;
        t.fontFlags = 2;   // italic
        Control bold = label(1, "Bold heading", 10);
        bold.extendedStyle = 0x80000000;
        Control maker = label(2, "pelmora software", 35);
        Control link = label(3, "hyperlink: text=\"Visit us\" link=\"https://brevant.example/help\"", 60);
        Control broken = label(4, "hyperlink: text=\"No target\"", 85);
        Control language = label(5, "<LangID=1>Remove</LangID=1><LangID=1035>Poista</LangID=1035>", 110);
        Control bitmap = label(6, "", 135);
        bitmap.variant = 4;
        bitmap.imageId = 3;
        bitmap.width = 32;
        bitmap.height = 16;
        Control icon = label(7, "", 160);
        icon.variant = 3;
        icon.imageId = 4;
        Control hidden = label(8, "hidden", 185);
        hidden.style = 0x40000000;
        Control colours = label(9, "coloured", 210);
        colours.textColour = 0x000000FF;   // red in 0x00BBGGRR
        colours.backColour = 0x00FF0000;   // blue
        Control check;
        check.kind = 3;
        check.style = 0x50010003;
        check.id = 10;
        check.y = 235;
        check.text = "Keep settings";
        Control disabled;
        disabled.kind = 2;
        disabled.style = 0x58010000;
        disabled.id = 11;
        disabled.y = 260;
        disabled.text = "Later";
        Control list;
        list.kind = 7;
        list.id = 12;
        list.y = 285;
        Control refused;
        refused.kind = 12;
        refused.id = 13;
        t.controls = {bold, maker, link, broken, language, bitmap, icon, hidden, colours, check, disabled, list, refused};

        ui::ScriptedDialogs dialogs;
        TemplateWindow window;
        QCOMPARE(window.create(Bytes(t.bytes())), int(WindowNotCreated));   // kind 12, the rest made
        QVERIFY(window.isVisible());
        QCOMPARE(window.size(), QSize(498, 380));
        QCOMPARE(window.windowTitle(), "Uninstall");
        QVERIFY(!window.control(13));

        auto *boldLabel = qobject_cast<QLabel *>(window.control(1));
        QVERIFY(boldLabel);
        QVERIFY(boldLabel->font().bold());
        QVERIFY(boldLabel->font().italic());
        QCOMPARE(boldLabel->font().pixelSize(), 13);   // 10 points at 96 dots per inch
        auto *makerLabel = qobject_cast<LinkLabel *>(window.control(2));
        QVERIFY(makerLabel);
        QVERIFY(makerLabel->font().underline());
        auto *linkLabel = qobject_cast<LinkLabel *>(window.control(3));
        QVERIFY(linkLabel);
        QCOMPARE(linkLabel->text(), "Visit us");
        QTest::mouseClick(linkLabel, Qt::LeftButton);
        QCOMPARE(dialogs.last().kind, ui::DialogKind::ShellOpen);
        QCOMPARE(dialogs.last().text, "https://brevant.example/help");
        QVERIFY(!qobject_cast<LinkLabel *>(window.control(4)));
        auto *plainLabel = qobject_cast<QLabel *>(window.control(4));
        auto *textLabel = qobject_cast<QLabel *>(window.control(5));
        auto *bitmapLabel = qobject_cast<QLabel *>(window.control(6));
        auto *iconLabel = qobject_cast<QLabel *>(window.control(7));
        QVERIFY(plainLabel && textLabel && bitmapLabel && iconLabel);
        QCOMPARE(plainLabel->text(), "hyperlink: text=\"No target\"");
        QCOMPARE(textLabel->text(), "Poista");
        QCOMPARE(bitmapLabel->pixmap().size(), QSize(32, 16));
        QCOMPARE(bitmapLabel->pixmap().toImage().pixelColor(5, 5), QColor(0x33, 0x66, 0xCC));
        QCOMPARE(iconLabel->pixmap().size(), QSize(32, 32));
        QVERIFY(window.control(8)->isHidden());
        QCOMPARE(window.control(9)->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        QCOMPARE(window.control(9)->palette().color(QPalette::Window), QColor(0, 0, 0xFF));
        QVERIFY(qobject_cast<QCheckBox *>(window.control(10)));
        QVERIFY(!window.control(11)->isEnabled());
        QVERIFY(qobject_cast<QListWidget *>(window.control(12)));
        QCOMPARE(window.control(5)->geometry(), QRect(10, 110, 200, 20));
    }

    // A product's window laid out for Tahoma, a face this machine may lack: with the face
    // the window takes, every label's text fits its label.
    void labelsFitWithTheTemplatesFace()
    {
        Messages() = MessageTable();
        Template t = ProgressTemplate();
        t.faceName = "Tahoma";
        for (Control &control : t.controls)
            if (control.id == 72) {
                control.width = 380;
                control.text = "Some parts of the program could not be removed. Click Details to see them.";
            }
        TemplateWindow window;
        QCOMPARE(window.create(Bytes(t.bytes())), int(WindowCreated));
        for (const Control &control : t.controls) {
            auto *label = qobject_cast<QLabel *>(window.control(control.id));
            if (!label)
                continue;
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
        }
        QCOMPARE(QFontInfo(window.control(72)->font()).family(), "Tahoma");
    }

    void unknownOrBrokenImagesLeaveNoImage()
    {
        QByteArray cut = SolidBitmap(16, 16, 0);
        cut.chop(10);
        ImageTable() = images({{3, cut}});
        Template t;
        Control bitmap = label(6, "");
        bitmap.variant = 4;
        bitmap.imageId = 3;
        Control unknown = bitmap;
        unknown.id = 7;
        unknown.imageId = 99;
        t.controls = {bitmap, unknown};
        TemplateWindow window;
        QCOMPARE(window.create(Bytes(t.bytes())), int(WindowCreated));
        auto *broken = qobject_cast<QLabel *>(window.control(6));
        auto *unknownImage = qobject_cast<QLabel *>(window.control(7));
        QVERIFY(broken && unknownImage);
        QVERIFY(broken->pixmap().isNull());
        QVERIFY(unknownImage->pixmap().isNull());
    }

    void templateWithoutItsOwnWindow()
    {
        Template t;
        t.style = 0x00CA0000;   // no WS_VISIBLE
        t.controls = {label(57, "inside")};
        QWidget parent;
        TemplateWindow inParent;
        QCOMPARE(inParent.create(Bytes(t.bytes()), &parent), int(WindowCreated));
        QCOMPARE(inParent.control(57)->parentWidget(), &parent);
        QVERIFY(!inParent.isOwnWindow());
        TemplateWindow orphan;
        QCOMPARE(orphan.create(Bytes(t.bytes())), int(WindowNotCreated));
        TemplateWindow notATemplate;
        QCOMPARE(notATemplate.create(Bytes("XYZ")), int(NotATemplate));
    }

    // Extreme coordinates and sizes are held in range before any arithmetic: the window is
    // built (the sanitizer build sees no overflow) and every control keeps a real rectangle.
    void hostileCoordinatesAreHeldInRange_data()
    {
        QTest::addColumn<int>("field");   // 0-3 control x, y, width, height; 4-7 window x/y offset, width, height
        QTest::addColumn<qint64>("value");
        const QList<qint64> extremes{0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
        for (int field = 0; field < 8; ++field)
            for (qint64 value : extremes)
                QTest::addRow("field %d = 0x%llX", field, value) << field << value;
    }
    void hostileCoordinatesAreHeldInRange()
    {
        QFETCH(int, field);
        QFETCH(qint64, value);
        const int32_t raw = int32_t(uint32_t(value));
        Control control = label(57, "text");
        Template t;
        int32_t *fields[8] = {&control.x, &control.y, &control.width, &control.height,
                              &t.xOffset, &t.yOffset, &t.width, &t.height};
        *fields[field] = raw;
        t.controls = {control};
        TemplateWindow window;
        QCOMPARE(window.create(Bytes(t.bytes())), int(WindowCreated));
        const QRect placed = window.control(57)->geometry();
        QVERIFY(qAbs(placed.x()) <= TemplateCoordinateLimit && qAbs(placed.y()) <= TemplateCoordinateLimit);
        QVERIFY(placed.width() <= TemplateCoordinateLimit && placed.height() <= TemplateCoordinateLimit);
        QVERIFY(window.width() <= TemplateCoordinateLimit && window.height() <= TemplateCoordinateLimit);
    }
};

QTEST_MAIN(TestUninstWindow)
#include "tst_window.moc"
