#include "controls/richtextbox.h"

#include "controls/rtfwriter.h"
#include "controls/tabcolumns.h"
#include "vb/wholefile.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace controls {

namespace {

constexpr double TwipsPerPixel = 15.0;
// The box's default tab stops: half an inch, as rich text boxes have them.
constexpr double TabStopPixels = 48.0;

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

// Key codes as the windows' key handlers know them; keys without a code of their own
// keep Qt's number.
int keyCodeOf(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vbKeyTab;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete: return 46;
    default: return event.key();
    }
}

int buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    setTabStopDistance(TabStopPixels);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

QTextCursor RichTextBox::selection() const { return hidden_ ? *hidden_ : textCursor(); }

void RichTextBox::setSelection(const QTextCursor &cursor)
{
    if (hideSelection_ && !hasFocus()) {
        keepAside(cursor);
    } else {
        hidden_.reset();
        setTextCursor(cursor);
    }
}

// A hidden selection is kept aside while the box shows a bare caret, so the text keeps its
// own colours (a selection painted in hidden colours would paint over them).
void RichTextBox::keepAside(const QTextCursor &cursor)
{
    hidden_ = cursor;
    QTextCursor caret = cursor;
    caret.clearSelection();
    setTextCursor(caret);
}

void RichTextBox::hideSelectionNow()
{
    if (!hidden_ && textCursor().hasSelection())
        keepAside(textCursor());
}

void RichTextBox::showSelectionNow()
{
    if (!hidden_)
        return;
    const QTextCursor kept = *hidden_;
    hidden_.reset();
    setTextCursor(kept);
}

QString RichTextBox::Text() const { return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }

void RichTextBox::SetText(const QString &text) { setPlainText(withLineFeeds(text)); }

void RichTextBox::AlignTabColumns()
{
    // Kept out of the undo history, which begins anew (as after SetText).
    const bool undo = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    controls::AlignTabColumns(*document());
    document()->setUndoRedoEnabled(undo);
}

int RichTextBox::SelStart() const { return selection().selectionStart(); }

void RichTextBox::SetSelStart(int start)
{
    QTextCursor cursor = selection();
    const int end = document()->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, end));
    setSelection(cursor);
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = selection();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::SetSelLength(int length)
{
    QTextCursor cursor = selection();
    const int start = cursor.selectionStart();
    const int end = document()->characterCount() - 1;
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + std::max(length, 0), start, end), QTextCursor::KeepAnchor);
    setSelection(cursor);
}

QString RichTextBox::SelText() const
{
    QString text = selection().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void RichTextBox::SetSelText(const QString &text)
{
    QTextCursor cursor = selection();
    cursor.insertText(withLineFeeds(text));
    setSelection(cursor);
}

QTextCharFormat RichTextBox::formatAtSelectionStart() const
{
    const QTextCursor current = selection();
    if (!current.hasSelection())
        return currentCharFormat();
    // A cursor's format is that of the character before it: stand after the first one.
    QTextCursor first(document());
    first.setPosition(current.selectionStart() + 1);
    return first.charFormat();
}

template <class Test> bool RichTextBox::wholeSelection(Test test) const
{
    const QTextCursor cursor = selection();
    const QFont base = document()->defaultFont();
    if (!cursor.hasSelection())
        return test(currentCharFormat().font().resolve(base));
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = fragment.position();
            if (from + fragment.length() <= start || from >= end)
                continue;
            if (!test(fragment.charFormat().font().resolve(base)))
                return false;
        }
    }
    return true;
}

// Without a selection the format is the caret's, for what is typed next.
void RichTextBox::mergeSelectionFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = selection();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    else
        mergeCurrentCharFormat(format);
}

QString RichTextBox::SelFontName() const
{
    return formatAtSelectionStart().font().resolve(document()->defaultFont()).family();
}

void RichTextBox::SetSelFontName(const QString &family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeSelectionFormat(format);
}

double RichTextBox::SelFontSize() const
{
    return formatAtSelectionStart().font().resolve(document()->defaultFont()).pointSizeF();
}

void RichTextBox::SetSelFontSize(double points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeSelectionFormat(format);
}

bool RichTextBox::SelBold() const
{
    return wholeSelection([](const QFont &font) { return font.bold(); });
}

void RichTextBox::SetSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(format);
}

bool RichTextBox::SelItalic() const
{
    return wholeSelection([](const QFont &font) { return font.italic(); });
}

void RichTextBox::SetSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeSelectionFormat(format);
}

bool RichTextBox::SelUnderline() const
{
    return wholeSelection([](const QFont &font) { return font.underline(); });
}

void RichTextBox::SetSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeSelectionFormat(format);
}

QColor RichTextBox::SelColor() const
{
    const QBrush brush = formatAtSelectionStart().foreground();
    return brush.style() == Qt::NoBrush ? palette().color(QPalette::Text) : brush.color();
}

void RichTextBox::SetSelColor(const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(color);
    mergeSelectionFormat(format);
}

int RichTextBox::SelAlignment() const
{
    const QTextCursor start(document()->findBlock(selection().selectionStart()));
    const Qt::Alignment align = start.blockFormat().alignment();
    if (align & Qt::AlignHCenter)
        return rtfCenter;
    if (align & Qt::AlignRight)
        return rtfRight;
    return rtfLeft;
}

void RichTextBox::SetSelAlignment(int alignment)
{
    QTextBlockFormat format;
    switch (alignment) {
    case rtfRight: format.setAlignment(Qt::AlignRight | Qt::AlignAbsolute); break;
    case rtfCenter: format.setAlignment(Qt::AlignHCenter); break;
    default: format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); break;
    }
    QTextCursor cursor = selection();
    cursor.mergeBlockFormat(format);
}

QColor RichTextBox::BackColor() const { return palette().color(QPalette::Base); }

void RichTextBox::SetBackColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
}

void RichTextBox::SetHideSelection(bool hide)
{
    hideSelection_ = hide;
    if (!hide)
        showSelectionNow();
    else if (!hasFocus())
        hideSelectionNow();
}

long RichTextBox::SendMessage(unsigned message, uintptr_t, intptr_t)
{
    // The messages act on the selection as the box holds it, shown or not.
    showSelectionNow();
    const long result = editingMessage(message);
    if (hideSelection_ && !hasFocus())
        hideSelectionNow();
    return result;
}

long RichTextBox::editingMessage(unsigned message)
{
    switch (message) {
    case EM_UNDO:
    case EM_REDO: {
        const bool available = message == EM_UNDO ? document()->isUndoAvailable() : document()->isRedoAvailable();
        if (message == EM_UNDO)
            undo();
        else
            redo();
        return available ? 1 : 0;
    }
    case WM_CUT: cut(); return 0;
    case WM_COPY: copy(); return 0;
    case WM_PASTE: paste(); return 0;
    default: return 0;
    }
}

QByteArray RichTextBox::TextRTF() const { return DocumentToRtf(*document(), BackColor()); }

void RichTextBox::SaveFile(const QString &path) { vb::WriteWholeFile(path, TextRTF(), QStringLiteral("RichText")); }

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    const int original = keyCodeOf(*event);
    int keyCode = original;
    emit KeyDown(keyCode, shiftState(event->modifiers()));
    if (keyCode == 0 && original != 0) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    QTextEdit::mousePressEvent(event);
    event->accept();   // every button is the box's: the right one pops up the window's menu
    const QPointF at = event->position() * TwipsPerPixel;
    emit MouseDown(buttonOf(event->button()), shiftState(event->modifiers()), at.x(), at.y());
}

void RichTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    event->accept();
    const QPointF at = event->position() * TwipsPerPixel;
    emit MouseUp(buttonOf(event->button()), shiftState(event->modifiers()), at.x(), at.y());
}

void RichTextBox::focusInEvent(QFocusEvent *event)
{
    showSelectionNow();
    QTextEdit::focusInEvent(event);
}

void RichTextBox::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    if (hideSelection_)
        hideSelectionNow();
}

// The windows pop up a menu of their own on the right button.
void RichTextBox::contextMenuEvent(QContextMenuEvent *event) { event->accept(); }

} // namespace controls
