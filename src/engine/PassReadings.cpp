#include "engine/PassReadings.h"

#include "keyout/Primitives.h"
#include "platform/keys.h"

PassReadings ReadPass(Platform& p) {
    const auto r = [&p](std::uint8_t key) { return PollKey(p, key) != 0; };
    PassReadings k{};
    k.space = r(vk::Space);
    k.enter = r(vk::Return);
    k.shift = IsShiftDown(p);
    k.period = r(vk::OemPeriod);
    k.comma = r(vk::OemComma);
    k.tab = r(vk::Tab);
    k.slash = r(vk::Oem2);
    k.backslash = r(vk::Oem5);
    k.one = r(vk::Key1);
    k.semicolon = r(vk::Oem1);
    k.minus = r(vk::OemMinus);
    k.quote = r(vk::Oem7);
    k.nine = r(vk::Key9);
    k.zero = r(vk::Key0);
    k.leftBracket = r(vk::Oem4);
    k.rightBracket = r(vk::Oem6);
    k.backspace = r(vk::Back);
    k.del = r(vk::Delete);
    k.f6 = r(vk::F6);
    k.f9 = r(vk::F9);
    k.f11 = r(vk::F11);
    k.alt = IsAltDown(p);
    k.ctrl = IsCtrlDown(p);
    k.capsLock = r(vk::Capital);
    k.leftButton = r(vk::LButton);
    k.equals = r(vk::OemPlus);
    k.backQuote = r(vk::Oem3);
    k.f2 = r(vk::F2);
    k.leftWin = r(vk::LWin);
    return k;
}
