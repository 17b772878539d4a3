#include "engine/PassReadings.h"

#include "keyout/Primitives.h"
#include "platform/keys.h"

namespace {

// The punctuation keys, in the order a pass reads them.
constexpr std::uint8_t kPunctuationKeys[] = {
    vk::OemPeriod, vk::OemComma, vk::Oem2,    vk::Oem5, vk::Oem1, vk::OemMinus, vk::Oem7,
    vk::Oem4,      vk::Oem6,     vk::OemPlus, vk::Oem3, vk::Oem8, vk::Oem102};

} // namespace

PassReadings ReadPass(Platform& p) {
    const auto r = [&p](std::uint8_t key) { return PollKey(p, key) != 0; };
    PassReadings k{};
    k.space = r(vk::Space);
    k.enter = r(vk::Return);
    k.shift = IsShiftDown(p);
    k.tab = r(vk::Tab);
    // Every punctuation key is read, so that a press not taken now is not taken later either.
    for (std::uint8_t key : kPunctuationKeys)
        if (r(key) && k.punctuation == 0) k.punctuation = key;
    k.backspace = r(vk::Back);
    k.del = r(vk::Delete);
    k.f6 = r(vk::F6);
    k.f9 = r(vk::F9);
    k.f11 = r(vk::F11);
    k.alt = IsAltDown(p);
    k.ctrl = IsCtrlDown(p);
    k.rightCtrl = (PollKey(p, vk::RControl) & 0x8000) != 0;
    k.capsLock = r(vk::Capital);
    k.leftButton = r(vk::LButton);
    k.f2 = r(vk::F2);
    k.leftWin = r(vk::LWin);
    return k;
}
