#include "keyout/KeyFlush.h"

#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <initializer_list>

namespace {

void Discard(Platform& p, std::initializer_list<std::uint8_t> keys) {
    for (std::uint8_t key : keys) PollKey(p, key);
}

} // namespace

void FlushLetterKeys(Platform& p) {
    Discard(p, {vk::Back, vk::Shift, vk::LShift, vk::RShift, vk::Oem3});
    for (std::uint8_t k = vk::KeyA; k <= vk::KeyZ; ++k) PollKey(p, k);
}

void FlushTypingKeys(Platform& p) {
    for (int k = 9; k <= 57; ++k) PollKey(p, static_cast<std::uint8_t>(k));
    for (int k = 186; k <= 222; ++k) PollKey(p, static_cast<std::uint8_t>(k));
}

void FlushOutputKeys(Platform& p) {
    for (int k = 48; k <= 64; ++k) PollKey(p, static_cast<std::uint8_t>(k));
    for (int k = 91; k <= 226; ++k) PollKey(p, static_cast<std::uint8_t>(k));
    Discard(p, {vk::Tab, vk::Space, vk::Return});
}

void DiscardShiftAndCapsLock(Platform& p) {
    Discard(p, {vk::Shift, vk::LShift, vk::RShift, vk::Capital});
}

void WaitKeyAndAltUp(Platform& p, std::uint8_t key) {
    for (;;) {
        const bool k = PollKey(p, key) != 0;
        const bool a = PollKey(p, vk::Menu) != 0;
        const bool l = PollKey(p, vk::LMenu) != 0;
        const bool r = PollKey(p, vk::RMenu) != 0;
        if (!k && !a && !l && !r) return;
    }
}
