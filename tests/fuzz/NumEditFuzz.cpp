// Any sequence of typed characters, pastes, deletes, selections and undos against any
// set of properties of the numeric edit box; after each step the number text must
// follow its rules and the display text must be the formatted number text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/NumEditModel.h"

namespace {

class View : public NumEditView {
public:
    int room = 40;
    void Repaint() override {}
    void PlaceCaret() override {}
    void Beep() override {}
    int MeasureText(const std::u16string& text) override { return static_cast<int>(text.size()) * 7; }
    int AvailableWidth() override { return room * 7; }
};

void CheckRules(NumEditModel& box)
{
    const std::u16string& t = box.Text();
    int points = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char16_t c = t[i];
        const bool ok = (c >= u'0' && c <= u'9') || (c == u'-' && i == 0) || c == u'.';
        points += c == u'.' ? 1 : 0;
        if (!ok || points > 1)
            std::abort();
    }
    if (box.ValText() != NumEditRules::FormatText(t, box.Format()))
        std::abort();
    box.CaretOffset(t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    View view;
    view.room = data[0] % 50;
    NumEditModel box(view);
    box.SetIntegerLength(data[1] % 12);
    box.SetDecimalLength(data[2] % 6);
    box.SetMinus(data[3] & 1);
    box.SetComma(data[3] & 2);
    box.SetDecimalFixed(data[3] & 4);
    box.SetReadOnly(data[3] & 8);
    box.SetImageCopy(data[3] & 16);
    if (data[3] & 32)
        box.SetLeftMark(u"¥");
    if (data[3] & 64)
        box.SetRightMark(u"円");
    for (std::size_t i = 4; i + 1 < size; i += 2) {
        const char16_t argument = static_cast<char16_t>(data[i + 1] | ((data[i] & 0x80) ? 0xFF00 : 0));
        switch (data[i] % 12) {
        case 0: box.InputCharacter(static_cast<char16_t>(u'0' + data[i + 1] % 10)); break;
        case 1: box.InputCharacter(argument); break;
        case 2: box.InputMinus(); break;
        case 3: box.InputPoint(); break;
        case 4: box.DeleteLastChar(); break;
        case 5: box.SelectAll(); break;
        case 6: box.ClearSelect(); break;
        case 7: box.PasteFromClipboard(std::u16string(data[i + 1] % 8, argument)); break;
        case 8: box.Undo(); break;
        case 9: box.CutToClipboard(); break;
        case 10: box.Leave(data[i + 1] & 1); break;
        default: box.SetText(std::u16string(1, argument) + u"12.5"); break;
        }
        CheckRules(box);
    }
    return 0;
}
