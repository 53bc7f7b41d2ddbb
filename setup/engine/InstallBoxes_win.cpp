#include "InstallBoxes_win.h"

namespace {

UINT IconStyle(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information:
        return MB_ICONINFORMATION;
    case BoxIcon::Question:
        return MB_ICONQUESTION;
    case BoxIcon::Warning:
        return MB_ICONWARNING;
    case BoxIcon::Error:
        break;
    }
    return MB_ICONERROR;
}

UINT ButtonStyle(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::OkCancel:
        return MB_OKCANCEL;
    case BoxButtons::YesNo:
        return MB_YESNO;
    case BoxButtons::Ok:
        break;
    }
    return MB_OK;
}

} // namespace

UINT MessageBoxStyleOf(const MessageBoxRequest& box) {
    UINT style = IconStyle(box.icon) | ButtonStyle(box.buttons);
    if (box.secondButtonDefault && box.buttons != BoxButtons::Ok) style |= MB_DEFBUTTON2;
    return style;
}

BoxAnswer AnswerOfButton(int button) {
    switch (button) {
    case IDYES:
        return BoxAnswer::Yes;
    case IDNO:
        return BoxAnswer::No;
    case IDCANCEL:
        return BoxAnswer::Cancel;
    default:
        return BoxAnswer::Ok;
    }
}

BoxAnswer DefaultAnswerOf(const MessageBoxRequest& box) {
    switch (box.buttons) {
    case BoxButtons::OkCancel:
        return box.secondButtonDefault ? BoxAnswer::Cancel : BoxAnswer::Ok;
    case BoxButtons::YesNo:
        return box.secondButtonDefault ? BoxAnswer::No : BoxAnswer::Yes;
    case BoxButtons::Ok:
        break;
    }
    return BoxAnswer::Ok;
}

BoxAnswer MessageBoxAnswerer::Answer(const MessageBoxRequest& box) {
    int button = MessageBoxA(owner_, box.text.c_str(), box.caption.c_str(), MessageBoxStyleOf(box));
    // A box that could not be shown takes its default button, as a user
    // pressing Enter would: never the riskier choice of a question.
    return button == 0 ? DefaultAnswerOf(box) : AnswerOfButton(button);
}
