#include "ui/msgbox.h"

namespace ui {

QList<int> MsgBoxAnswers(int style)
{
    switch (MsgBoxButtonsOf(style)) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

int MsgBoxDefaultAnswer(int style)
{
    const QList<int> answers = MsgBoxAnswers(style);
    const int index = MsgBoxDefaultButtonOf(style) >> 8;
    return index < answers.size() ? answers.at(index) : answers.first();
}

int MsgBoxEscapeAnswer(int style)
{
    const QList<int> answers = MsgBoxAnswers(style);
    if (answers.contains(vbCancel))
        return vbCancel;
    if (answers == QList<int>{vbOK})
        return vbOK;
    return 0;
}

} // namespace ui
