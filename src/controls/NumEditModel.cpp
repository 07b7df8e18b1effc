#include "controls/NumEditModel.h"

using NumEditRules::FilterText;
using NumEditRules::FormatText;
using NumEditRules::StripLeadingZeros;

NumEditModel::NumEditModel(NumEditView& view) : view_(view), FValText(FormatText(u"0", format_)) {}

void NumEditModel::Reformat()
{
    FValText = FormatText(FText, format_);
    view_.Repaint();
    view_.PlaceCaret();
}

void NumEditModel::SetText(const std::u16string& text)
{
    if (text == FText)
        return;
    FText = StripLeadingZeros(FilterText(text, format_));
    Reformat();
}

void NumEditModel::SetIntegerLength(int length)
{
    if (length < 0 || length == format_.IntegerLength)
        return;
    format_.IntegerLength = length;
    FText = FilterText(FText, format_);
    Reformat();
}

void NumEditModel::SetDecimalLength(int length)
{
    if (length < 0 || length == format_.DecimalLength)
        return;
    format_.DecimalLength = length;
    FText = FilterText(FText, format_);
    Reformat();
}

void NumEditModel::SetMinus(bool minus)
{
    if (minus == format_.Minus)
        return;
    format_.Minus = minus;
    FText = FilterText(FText, format_);
    Reformat();
}

void NumEditModel::SetComma(bool comma)
{
    if (comma == format_.Comma)
        return;
    format_.Comma = comma;
    Reformat();
}

void NumEditModel::SetDecimalFixed(bool fixed)
{
    if (fixed == format_.DecimalFixed)
        return;
    format_.DecimalFixed = fixed;
    Reformat();
}

void NumEditModel::SetLeftMark(const std::u16string& mark)
{
    if (mark == format_.LeftMark)
        return;
    format_.LeftMark = mark;
    Reformat();
}

void NumEditModel::SetRightMark(const std::u16string& mark)
{
    if (mark == format_.RightMark)
        return;
    format_.RightMark = mark;
    Reformat();
}

bool NumEditModel::TextFits(const std::u16string& t)
{
    return view_.MeasureText(FormatText(t, format_)) <= view_.AvailableWidth();
}

void NumEditModel::Refuse()
{
    if (FErrorBeep)
        view_.Beep();
}

void NumEditModel::SaveUndo()
{
    UndoBuffer = FText;
    FCanUndo = true;
}

void NumEditModel::Accept(const std::u16string& t)
{
    SaveUndo();
    FText = t;
    Reformat();
    FModified = true;
    if (OnChange)
        OnChange();
}

void NumEditModel::InputDigit(char16_t digit)
{
    if (FReadOnly)
        return;
    if (AllSelected())
        Clear();
    const std::size_t point = FText.find(u'.');
    int integerDigits = static_cast<int>(point == std::u16string::npos ? FText.size() : point);
    const int fractionDigits = point == std::u16string::npos ? 0 : static_cast<int>(FText.size() - point - 1);
    if (FText.find(u'-') != std::u16string::npos)
        --integerDigits;
    const bool allowed = point == std::u16string::npos
                             ? integerDigits < format_.IntegerLength
                             : format_.DecimalLength > 0 && fractionDigits < format_.DecimalLength;
    if (!allowed)
        return Refuse();
    const std::u16string t = StripLeadingZeros(FText + digit);
    if (!TextFits(t))
        return Refuse();
    Accept(t);
}

void NumEditModel::InputPoint()
{
    if (FReadOnly)
        return;
    if (format_.DecimalLength == 0)
        return Refuse();
    if (AllSelected())
        Clear();
    if (FText.find(u'.') != std::u16string::npos)
        return Refuse();
    const std::u16string t = FText + u".";
    if (!TextFits(t))
        return Refuse();
    Accept(StripLeadingZeros(t));
}

void NumEditModel::InputMinus()
{
    if (FReadOnly)
        return;
    if (!format_.Minus)
        return Refuse();
    if (AllSelected())
        Clear();
    const std::size_t minus = FText.find(u'-');
    if (minus != std::u16string::npos) {
        std::u16string t = FText;
        t.erase(minus, 1);
        return Accept(t);
    }
    std::u16string t = u"-" + FText;
    if (!TextFits(t))
        return Refuse();
    if (!format_.DecimalFixed && t == u"-0")
        t = u"-1";
    Accept(t);
}

void NumEditModel::DeleteLastChar()
{
    if (FReadOnly)
        return;
    if (FText.empty()) {
        FText = u"0";
        FValText = FormatText(FText, format_);
        view_.Repaint();
        return;
    }
    if (AllSelected())
        return Clear();
    std::u16string t = FText.substr(0, FText.size() - 1);
    if (!t.empty() && t.back() == u'.')
        t.pop_back();
    if (t.empty() || t == u"-")
        t = u"0";
    Accept(t);
}

void NumEditModel::Clear()
{
    SaveUndo();
    FText = u"0";
    FValText = FormatText(FText, format_);
    ClearSelect();
    view_.Repaint();
    view_.PlaceCaret();
    FModified = false;
}

void NumEditModel::ClearSelection()
{
    if (AllSelected())
        Clear();
}

void NumEditModel::ClearUndo()
{
    UndoBuffer.clear();
    FCanUndo = false;
}

void NumEditModel::SelectAll()
{
    FSelLength = static_cast<int>(FValText.size());
    view_.Repaint();
}

void NumEditModel::ClearSelect()
{
    FSelLength = 0;
    view_.Repaint();
}

std::optional<std::u16string> NumEditModel::CopyToClipboard() const
{
    if (!AllSelected())
        return std::nullopt;
    return FImageCopy ? FValText : FText;
}

bool NumEditModel::CutToClipboard(const std::function<bool(const std::u16string&)>& put)
{
    const std::optional<std::u16string> text = CopyToClipboard();
    if (!text || !put(*text))
        return false;
    Clear();
    if (OnChange)
        OnChange();
    return true;
}

void NumEditModel::PasteFromClipboard(const std::u16string& clipboardText)
{
    const std::u16string pasted = NumEditRules::NarrowText(clipboardText);
    SaveUndo();
    FText = FilterText(AllSelected() ? pasted : FText + pasted, format_);
    FText = StripLeadingZeros(FText);
    FValText = FormatText(FText, format_);
    ClearSelect();
    view_.Repaint();
    view_.PlaceCaret();
    if (OnChange)
        OnChange();
}

void NumEditModel::Undo()
{
    if (!FCanUndo)
        return;
    std::swap(FText, UndoBuffer);
    FValText = FormatText(FText, format_);
    SelectAll();
    view_.Repaint();
    view_.PlaceCaret();
    if (OnChange)
        OnChange();
}

void NumEditModel::Leave(bool hideSelection)
{
    if (FText == u"-") {
        FText = u"0";
        FValText = FormatText(FText, format_);
        view_.Repaint();
    }
    if (hideSelection)
        ClearSelect();
}

void NumEditModel::InputCharacter(char16_t c)
{
    if (FReadOnly)
        return;
    const char16_t narrow = NumEditRules::NarrowUnit(c);
    if (narrow == u'-')
        InputMinus();
    else if (narrow == u'.')
        InputPoint();
    else if (narrow >= u'0' && narrow <= u'9')
        InputDigit(narrow);
    else
        Refuse();
}

int NumEditModel::CaretOffset(const std::u16string& t)
{
    NumEditFormat noRightMark = format_;
    noRightMark.RightMark.clear();
    if (!format_.DecimalFixed)
        return view_.MeasureText(FormatText(t, noRightMark));
    const std::size_t point = t.find(u'.');
    const std::u16string a = point == std::u16string::npos ? t : t.substr(0, point);
    const std::u16string b = point == std::u16string::npos ? std::u16string() : t.substr(point);
    NumEditFormat integerOnly = noRightMark;
    integerOnly.DecimalLength = 0;
    integerOnly.DecimalFixed = false;
    int offset = 0;
    if (a.empty())
        offset = view_.MeasureText(format_.LeftMark + u"0");
    else if (a == u"-")
        offset = view_.MeasureText(format_.LeftMark + u"-0");
    else
        offset = view_.MeasureText(FormatText(a, integerOnly));
    return offset + (b.empty() ? 0 : view_.MeasureText(b));
}
