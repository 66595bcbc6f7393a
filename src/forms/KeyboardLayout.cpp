// SPDX-License-Identifier: MIT
#include <forms/KeyboardLayout.h>

#include <QGuiApplication>
#include <QKeyEvent>

#ifdef ROLLWRIGHT_HAVE_XKB
#include <xkbcommon/xkbcommon-x11.h>

#include <cstdint>
#include <memory>
#endif

namespace KeyboardLayout {

#ifdef ROLLWRIGHT_HAVE_XKB

namespace {

template <class T, void (*Free)(T*)> struct Deleter
{
    void operator()(T* p) const { Free(p); }
};
using Context = std::unique_ptr<xkb_context, Deleter<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Deleter<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Deleter<xkb_state, xkb_state_unref>>;

// Whether the level is typed with no modifier or with Shift (and Caps Lock).
bool plainOrShifted(xkb_keymap* keymap, xkb_keycode_t key, xkb_layout_index_t layout,
                    xkb_level_index_t level)
{
    const xkb_mod_mask_t allowed = (1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_SHIFT)) |
                                   (1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_CAPS));
    xkb_mod_mask_t masks[16];
    const size_t count = xkb_keymap_key_get_mods_for_level(keymap, key, layout, level, masks, 16);
    for (size_t i = 0; i < count; ++i) {
        if ((masks[i] & ~allowed) == 0)
            return true;
    }
    return false;
}

} // namespace

int digitOnKey(const QKeyEvent& event)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    const xkb_keycode_t key = event.nativeScanCode();
    if (!x11 || key == 0)
        return -1;
    // Asked afresh each time: the user may switch layouts while the program
    // runs, and this is asked only for an Alt key that pressed nothing.
    xcb_connection_t* connection = x11->connection();
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    const Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (device == -1 || !context)
        return -1;
    const Keymap keymap(xkb_x11_keymap_new_from_device(context.get(), connection, device,
                                                       XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return -1;
    const State state(xkb_x11_state_new_from_device(keymap.get(), connection, device));
    if (!state)
        return -1;
    const xkb_layout_index_t layout = xkb_state_key_get_layout(state.get(), key);
    if (layout == XKB_LAYOUT_INVALID)
        return -1;
    const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap.get(), key, layout);
    for (xkb_level_index_t level = 0; level < levels; ++level) {
        const xkb_keysym_t* symbols = nullptr;
        const int count =
            xkb_keymap_key_get_syms_by_level(keymap.get(), key, layout, level, &symbols);
        if (count == 1 && symbols[0] >= XKB_KEY_0 && symbols[0] <= XKB_KEY_9 &&
            plainOrShifted(keymap.get(), key, layout, level))
            return static_cast<int>(symbols[0] - XKB_KEY_0);
    }
    return -1;
}

#else

int digitOnKey(const QKeyEvent& /*event*/)
{
    return -1;
}

#endif

} // namespace KeyboardLayout
