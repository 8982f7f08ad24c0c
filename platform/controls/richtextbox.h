#pragma once
// The rich text box of the windows: an editable text with fonts, sizes, bold, italic,
// underline, colours and paragraph alignment, saved as RTF by a writer of our own. Its
// operations carry the names the windows use (Text, SelStart, SelBold, SaveFile...).
// Selections count characters as the box holds them: a paragraph break is one character.
#include <QColor>
#include <QTextCursor>
#include <QTextEdit>
#include <cstdint>
#include <optional>

namespace controls {

// Messages the windows send to the box (SendMessage), with their Windows numbers.
inline constexpr unsigned EM_UNDO = 0xC7;
inline constexpr unsigned EM_REDO = 0x454;
inline constexpr unsigned WM_CUT = 0x300;
inline constexpr unsigned WM_COPY = 0x301;
inline constexpr unsigned WM_PASTE = 0x302;

// Paragraph alignments, in the box's numbering.
inline constexpr int rtfLeft = 0;
inline constexpr int rtfRight = 1;
inline constexpr int rtfCenter = 2;

// Key code of the Tab key in KeyDown.
inline constexpr int vbKeyTab = 9;

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // The text with each paragraph break as CR LF.
    QString Text() const;
    // Replaces everything with plain text in the box's font; CR LF, CR or LF start a new
    // paragraph.
    void SetText(const QString &text);
    // Sets each paragraph's tab stops so that its cells line up with those of the other
    // paragraphs (tabcolumns.h), the text as it is. Not a step that Undo takes back.
    void AlignTabColumns();

    int SelStart() const;
    // Places the insertion point (nothing selected); clamped to the text.
    void SetSelStart(int start);
    int SelLength() const;
    // Selects from SelStart on; clamped to the text.
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection (or inserts at the insertion point).
    void SetSelText(const QString &text);

    // The selection's character formats. A selection that is only partly bold (italic,
    // underlined) reads as not bold; the name, size and colour are those at its start.
    QString SelFontName() const;
    void SetSelFontName(const QString &family);
    double SelFontSize() const;
    void SetSelFontSize(double points);
    bool SelBold() const;
    void SetSelBold(bool on);
    bool SelItalic() const;
    void SetSelItalic(bool on);
    bool SelUnderline() const;
    void SetSelUnderline(bool on);
    QColor SelColor() const;
    void SetSelColor(const QColor &color);
    // rtfLeft, rtfRight or rtfCenter of the paragraph at the selection's start; sets every
    // paragraph the selection touches.
    int SelAlignment() const;
    void SetSelAlignment(int alignment);

    // The background of the whole box.
    QColor BackColor() const;
    void SetBackColor(const QColor &color);

    // True (the default): the selection is not shown while the box has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);

    // EM_UNDO, EM_REDO, WM_CUT, WM_COPY, WM_PASTE; any other message does nothing. Returns
    // 1 for an undo or redo that changed the text, else 0.
    long SendMessage(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0);

    // The content as RTF, and saved as RTF into a file (through a temporary file renamed into
    // place). A failure raises 75 or 76 and leaves no file behind.
    QByteArray TextRTF() const;
    void SaveFile(const QString &path);

signals:
    // A key pressed in the box: a handler that sets keyCode to 0 swallows the key. The shift
    // state is 1 Shift, 2 Ctrl, 4 Alt, added up.
    void KeyDown(int &keyCode, int shift);
    // Mouse buttons 1 left, 2 right, 4 middle; the position in twips within the text area.
    void MouseDown(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The selection the Sel* operations act on: the box's own, or the one kept aside while
    // it is hidden.
    QTextCursor selection() const;
    void setSelection(const QTextCursor &cursor);
    void keepAside(const QTextCursor &cursor);
    void hideSelectionNow();
    void showSelectionNow();
    long editingMessage(unsigned message);
    void mergeSelectionFormat(const QTextCharFormat &format);
    QTextCharFormat formatAtSelectionStart() const;
    // True when every character of the selection (or the insertion format) passes `test`.
    template <class Test> bool wholeSelection(Test test) const;

    bool hideSelection_ = true;
    std::optional<QTextCursor> hidden_;
};

} // namespace controls
