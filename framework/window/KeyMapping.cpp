// Qt keys to virtual-key codes (a US keyboard's layout for punctuation,
// whatever character the shift state produced).
#include "framework/window/VirtualKeys.h"
#include "framework/window/WindowInternals.h"

namespace {

struct KeyPair {
    int qtKey;
    int vk;
};

constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE},    {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_Print, VK_SNAPSHOT},   {Qt::Key_Clear, VK_CLEAR},     {Qt::Key_Home, VK_HOME},
    {Qt::Key_End, VK_END},          {Qt::Key_Left, VK_LEFT},       {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},       {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},    {Qt::Key_Shift, VK_SHIFT},     {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Meta, VK_LWIN},        {Qt::Key_Alt, VK_MENU},        {Qt::Key_AltGr, VK_RMENU},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Menu, VK_APPS},        {Qt::Key_Help, VK_HELP},       {Qt::Key_Space, VK_SPACE},
};

// Punctuation: the key's unshifted and shifted characters share a code.
constexpr KeyPair kPunctuation[] = {
    {';', VK_OEM_1},     {':', VK_OEM_1},     {'=', VK_OEM_PLUS},  {'+', VK_OEM_PLUS},   {',', VK_OEM_COMMA},
    {'<', VK_OEM_COMMA}, {'-', VK_OEM_MINUS}, {'_', VK_OEM_MINUS}, {'.', VK_OEM_PERIOD}, {'>', VK_OEM_PERIOD},
    {'/', VK_OEM_2},     {'?', VK_OEM_2},     {'`', VK_OEM_3},     {'~', VK_OEM_3},      {'[', VK_OEM_4},
    {'{', VK_OEM_4},     {'\\', VK_OEM_5},    {'|', VK_OEM_5},     {']', VK_OEM_6},      {'}', VK_OEM_6},
    {'\'', VK_OEM_7},    {'"', VK_OEM_7},     {'!', '1'},          {'@', '2'},           {'#', '3'},
    {'$', '4'},          {'%', '5'},          {'^', '6'},          {'&', '7'},           {'*', '8'},
    {'(', '9'},          {')', '0'},
};

constexpr KeyPair kKeypad[] = {
    {'*', VK_MULTIPLY}, {'+', VK_ADD}, {'-', VK_SUBTRACT}, {'.', VK_DECIMAL}, {'/', VK_DIVIDE},
};

} // namespace

int KeyMapping::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32)
{
    bool keypad = (modifiers & Qt::KeypadModifier) != 0;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? VK_NUMPAD0 + (qtKey - Qt::Key_0) : '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    for (const KeyPair &k : kNamedKeys)
        if (k.qtKey == qtKey)
            return k.vk;
    if (keypad)
        for (const KeyPair &k : kKeypad)
            if (k.qtKey == qtKey)
                return k.vk;
    for (const KeyPair &k : kPunctuation)
        if (k.qtKey == qtKey)
            return k.vk;
    return 0;
}
