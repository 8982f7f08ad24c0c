// The window kit: controls come named and parented; an amount box takes a click or a tab as
// "replace the amount"; buttons in a row keep a gap.
#include "core/ui/windowkit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class WindowKitTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryNameCaptionAndParent();
    void amountBoxReplacesTheAmount_data();
    void amountBoxReplacesTheAmount();
    void buttonsInARowDoNotTouch();
};

void WindowKitTest::controlsCarryNameCaptionAndParent()
{
    QWidget window;
    QGroupBox *frame = core::Frame("Payments", "Frame4", &window);
    const QList<QWidget *> made = {core::Label("Due", "Label7", frame), core::Button("Clear", "Command5", frame),
                                   core::CheckBox("MySQL", "Check1", frame),
                                   core::OptionButton("Cash", "paymentMethod", frame)};
    QCOMPARE(window.findChild<QGroupBox *>("Frame4"), frame);
    QCOMPARE(frame->title(), QStringLiteral("Payments"));
    const auto *label = frame->findChild<QLabel *>("Label7");
    const auto *button = frame->findChild<QPushButton *>("Command5");
    const auto *check = frame->findChild<QCheckBox *>("Check1");
    const auto *option = frame->findChild<QRadioButton *>("paymentMethod");
    QVERIFY(label && button && check && option);
    QCOMPARE(label->text(), QStringLiteral("Due"));
    QCOMPARE(button->text(), QStringLiteral("Clear"));
    QCOMPARE(check->text(), QStringLiteral("MySQL"));
    QCOMPARE(option->text(), QStringLiteral("Cash"));
    for (QWidget *control : made)
        QCOMPARE(control->parentWidget(), frame);
}

void WindowKitTest::amountBoxReplacesTheAmount_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("click") << true;
    QTest::newRow("tab") << false;
}

void WindowKitTest::amountBoxReplacesTheAmount()
{
    QFETCH(bool, byMouse);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    QLineEdit *before = core::TextBox("txtRoomRate", &window);
    QLineEdit *amount = core::AmountBox("txtAdvance", &window);
    layout->addWidget(before);
    layout->addWidget(amount);
    amount->setText("$0.00");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    before->setFocus();
    if (byMouse)
        QTest::mouseClick(amount, Qt::LeftButton, {}, QPoint(4, amount->height() / 2));
    else
        QTest::keyClick(before, Qt::Key_Tab);
    QTRY_COMPARE(amount->selectedText(), QStringLiteral("$0.00"));
    QTest::keyClicks(amount, "100");
    QCOMPARE(amount->text(), QStringLiteral("100"));
    QCOMPARE(amount->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

void WindowKitTest::buttonsInARowDoNotTouch()
{
    QWidget window;
    QPushButton *tax = core::Button("Tax", "Command4", &window);
    QPushButton *calculate = core::Button("Calculate", "Command7", &window);
    window.setLayout(core::ButtonRow({tax, calculate}));
    window.resize(400, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(calculate->geometry().left() - tax->geometry().right() > core::ButtonGap - 2,
             "the two buttons nearly touch");
    QVERIFY(calculate->geometry().right() > window.width() - 30);   // pushed to the right
}

QTEST_MAIN(WindowKitTest)
#include "tst_windowkit.moc"
