#include "platform/fake/FakeMessageBoxes.h"

namespace platform::fake {

void FakeMessageBoxes::Beep(SystemSound sound) {
    switch (sound) {
    case SystemSound::Hand:
        log.push_back("beep:hand");
        break;
    case SystemSound::Question:
        log.push_back("beep:question");
        break;
    case SystemSound::Default:
        log.push_back("beep:default");
        break;
    }
}

bool FakeMessageBoxes::Show(BoxKind kind, const std::string& text, const std::string& title) {
    Shown box{kind, text, title};
    shown.push_back(box);
    switch (kind) {
    case BoxKind::Info:
        log.push_back("info:" + text);
        break;
    case BoxKind::Error:
        log.push_back("error:" + text);
        break;
    case BoxKind::YesNo:
        log.push_back("yesno:" + text);
        break;
    case BoxKind::YesNoDefaultNo:
        log.push_back("yesno-default-no:" + text);
        break;
    case BoxKind::Plain:
        log.push_back("plain:" + text);
        break;
    }
    if (onShow) {
        onShow(box);
    }
    if (kind != BoxKind::YesNo && kind != BoxKind::YesNoDefaultNo) {
        return true;
    }
    if (answers.empty()) {
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace platform::fake
