#include "settings/FormLayout_win.h"

#include "sysutil/WideText_win.h"

namespace FormLayout {

namespace {

// Offsets of the boxes that hold other controls, within their page.
constexpr int kStripX = 4, kStripWidth = 591;
constexpr int kDateY = 4, kTimeY = 59, kPosY = 114, kTitleY = 159, kStartY = 209;
constexpr int kWhistleX = 4, kWhistleY = 8;
constexpr int kAlarmX = 4, kAlarmY = 138;
constexpr int kQelAddX = 2, kQelAddY = 14;

constexpr ControlPlace kControls[] = {
    // The display page: five strips from top to bottom.
    {IDC_GBDATE, 0, Kind::Group, L"[日付(&A)]", kStripX, kDateY, kStripWidth, 55},
    {IDC_CBDATE, 0, Kind::DropDown, L"", kStripX + 10, kDateY + 20, 180, 200},
    {IDC_GBTIME, 0, Kind::Group, L"[時刻(&B)]", kStripX, kTimeY, kStripWidth, 55},
    {IDC_CBTIME, 0, Kind::DropDown, L"", kStripX + 10, kTimeY + 20, 180, 200},
    {IDC_RADIOGROUPPOS, 0, Kind::Group, L"[表示位置(&C)]", kStripX, kPosY, kStripWidth, 45},
    {IDC_POS0, 0, Kind::FirstRadio, L"タイトル＋日時", kStripX + 10, kPosY + 20, 280, 17},
    {IDC_POS1, 0, Kind::Radio, L"日時＋タイトル", kStripX + 300, kPosY + 20, 280, 17},
    {IDC_GBTITLE, 0, Kind::Group, L"[タイトルの変更(&E)]", kStripX, kTitleY, kStripWidth, 50},
    {IDC_CHKCAPEXE, 0, Kind::Check, L"タイトルをプログラム名に変更(&F)", kStripX + 10, kTitleY + 22, 300, 17},
    {IDC_CHKCAPLENGTH, 0, Kind::Check, L"文字数制限(&G)", kStripX + 320, kTitleY + 22, 125, 17},
    {IDC_EDITCAPLENGTH, 0, Kind::NumberBox, L"0", kStripX + 450, kTitleY + 19, 40, 21},
    {IDC_RADIOGROUPSTART, 0, Kind::Group, L"[スタートボタンの表示(&D)]", kStripX, kStartY, kStripWidth, 45},
    {IDC_START0, 0, Kind::FirstRadio, L"変更しない", kStripX + 10, kStartY + 20, 180, 17},
    {IDC_START1, 0, Kind::Radio, L"日付", kStripX + 200, kStartY + 20, 180, 17},
    {IDC_START2, 0, Kind::Radio, L"時刻", kStripX + 390, kStartY + 20, 180, 17},

    // The programs page.
    {IDC_BTNREF, 1, Kind::Button, L"参 照（&A）", 520, 20, 65, 25},
    {IDC_LISTBOX, 1, Kind::ListBox, L"", 10, 15, 495, 120},
    {IDC_BTNDEL, 1, Kind::Button, L"削 除（&B）", 520, 60, 65, 25},
    {IDC_CHKDIALOG, 1, Kind::Check, L"ダイアログはすべて書き換えない(&D)", 10, 280, 300, 17},
    {IDC_LISTBOXLOG, 1, Kind::ListBox, L"", 10, 150, 495, 120},
    {IDC_BTNLOG, 1, Kind::Button, L"追 加（&C）", 520, 145, 65, 25},

    // The time signal and alarm page: two boxes, each titled by a check box on its edge.
    {IDC_GBWHISTLE, 2, Kind::Group, L"", kWhistleX, kWhistleY, kStripWidth, 120},
    {IDC_CHKWHISTLE, 2, Kind::Check, L"[時報(&A)]", kWhistleX + 10, kWhistleY, 90, 17},
    {IDC_LABELWHISTLE, 2, Kind::Label, L"秒間タイトルバー点滅(&B)", kWhistleX + 65, kWhistleY + 33, 190, 14},
    {IDC_TXTWHISTLE, 2, Kind::ReadOnlyNumber, L"0", kWhistleX + 10, kWhistleY + 30, 25, 20},
    {IDC_UDWHISTLE, 2, Kind::UpDown, L"", kWhistleX + 35, kWhistleY + 30, 20, 20},
    {IDC_CHKWHISTLEWAV, 2, Kind::Check, L"サウンド(&C)", kWhistleX + 10, kWhistleY + 60, 100, 17},
    {IDC_EDITWHISTLEWAV, 2, Kind::Edit, L"", kWhistleX + 10, kWhistleY + 85, 495, 20},
    {IDC_BTNTWHISTLEWAV, 2, Kind::Button, L"参 照(&D)", kWhistleX + 515, kWhistleY + 85, 75, 25},
    {IDC_CHKWHISTLEVOICE, 2, Kind::Check, L"[音声(&K)]", kWhistleX + 130, kWhistleY + 60, 90, 17},
    {IDC_CHKFRONTWHISTLE, 2, Kind::Check, L"", kWhistleX + 270, kWhistleY + 31, 300, 17},
    {IDC_GBALARM, 2, Kind::Group, L"", kAlarmX, kAlarmY, kStripWidth, 155},
    {IDC_CHKALARM, 2, Kind::Check, L"[アラーム(&E)]", kAlarmX + 10, kAlarmY, 90, 17},
    {IDC_LABELALARM, 2, Kind::Label, L"秒間タイトルバー点滅(&F)", kAlarmX + 65, kAlarmY + 33, 190, 14},
    {IDC_TXTALARM, 2, Kind::ReadOnlyNumber, L"0", kAlarmX + 10, kAlarmY + 30, 25, 20},
    {IDC_UDALARM, 2, Kind::UpDown, L"", kAlarmX + 35, kAlarmY + 30, 20, 20},
    {IDC_UDHOUR, 2, Kind::UpDown, L"", kAlarmX + 65, kAlarmY + 64, 20, 20},
    {IDC_LABELHOUR, 2, Kind::Label, L"時(&G)", kAlarmX + 95, kAlarmY + 66, 30, 14},
    {IDC_TXTHOUR, 2, Kind::ReadOnlyNumber, L"0", kAlarmX + 40, kAlarmY + 64, 25, 20},
    {IDC_LABELMIN, 2, Kind::Label, L"分(&H)", kAlarmX + 190, kAlarmY + 66, 30, 14},
    {IDC_TXTMIN, 2, Kind::ReadOnlyNumber, L"0", kAlarmX + 135, kAlarmY + 64, 25, 20},
    {IDC_UDMIN, 2, Kind::UpDown, L"", kAlarmX + 160, kAlarmY + 64, 20, 20},
    {IDC_CHKALARMWAV, 2, Kind::Check, L"サウンド(&I)", kAlarmX + 10, kAlarmY + 95, 100, 17},
    {IDC_EDITALARMWAV, 2, Kind::Edit, L"", kAlarmX + 10, kAlarmY + 120, 495, 20},
    {IDC_BTNALARMWAV, 2, Kind::Button, L"参 照(&J)", kAlarmX + 515, kAlarmY + 120, 75, 25},

    // The launch page.
    {IDC_GROUPBOXQEL, 3, Kind::Group, L"", 0, 0, 599, 318},
    {IDC_GROUPBOXQELADD, 3, Kind::Group, L"[Qel実行ファイルの追加(&A)]", kQelAddX, kQelAddY, 595, 115},
    {IDC_EDITQEL, 3, Kind::Edit, L"", kQelAddX + 10, kQelAddY + 20, 495, 20},
    {IDC_BTNQELREF, 3, Kind::Button, L"参 照(&B)", kQelAddX + 515, kQelAddY + 20, 75, 25},
    {IDC_LABELQELH, 3, Kind::Label, L"時(&C)", kQelAddX + 60, kQelAddY + 54, 28, 12},
    {IDC_TXTQELH, 3, Kind::ReadOnlyNumber, L"0", kQelAddX + 10, kQelAddY + 50, 25, 20},
    {IDC_UDQELH, 3, Kind::UpDown, L"", kQelAddX + 35, kQelAddY + 50, 20, 20},
    {IDC_LABELQELM, 3, Kind::Label, L"分(&D)", kQelAddX + 150, kQelAddY + 54, 28, 12},
    {IDC_TXTQELM, 3, Kind::ReadOnlyNumber, L"0", kQelAddX + 100, kQelAddY + 50, 25, 20},
    {IDC_UDQELM, 3, Kind::UpDown, L"", kQelAddX + 125, kQelAddY + 50, 20, 20},
    {IDC_CHKDAY0, 3, Kind::Check, L"日", kQelAddX + 200, kQelAddY + 50, 30, 17},
    {IDC_CHKDAY0 + 1, 3, Kind::Check, L"月", kQelAddX + 235, kQelAddY + 50, 30, 17},
    {IDC_CHKDAY0 + 2, 3, Kind::Check, L"火", kQelAddX + 270, kQelAddY + 50, 30, 17},
    {IDC_CHKDAY0 + 3, 3, Kind::Check, L"水", kQelAddX + 305, kQelAddY + 50, 30, 17},
    {IDC_CHKDAY0 + 4, 3, Kind::Check, L"木", kQelAddX + 340, kQelAddY + 50, 30, 17},
    {IDC_CHKDAY0 + 5, 3, Kind::Check, L"金", kQelAddX + 375, kQelAddY + 50, 30, 17},
    {IDC_CHKDAY6, 3, Kind::Check, L"土", kQelAddX + 410, kQelAddY + 50, 30, 17},
    {IDC_BTNQELADD, 3, Kind::Button, L"追 加(&E)", kQelAddX + 10, kQelAddY + 80, 65, 25},
    {IDC_BTNQELDEL, 3, Kind::Button, L"削 除(&F)", kQelAddX + 85, kQelAddY + 80, 65, 25},
    {IDC_BTNQELEDIT, 3, Kind::Button, L"修 正(&G)", kQelAddX + 160, kQelAddY + 80, 65, 25},
    {IDC_BTNQELFILEEDIT, 3, Kind::Button, L"編 集(&I)", kQelAddX + 515, kQelAddY + 50, 75, 25},
    {IDC_BTNQELNEW, 3, Kind::Button, L"新 規(&J)", kQelAddX + 515, kQelAddY + 80, 75, 25},
    {IDC_BTNQELEXE, 3, Kind::Button, L"起 動(&H)", kQelAddX + 235, kQelAddY + 80, 65, 25},
    {IDC_LISTVIEWQEL, 3, Kind::ListView, L"", 2, 129, 595, 187},

    // The bottom bar, in its tab order.
    {IDC_BTNCLOSE, kFormPage, Kind::Button, L"終 了", 502, 346, 105, 30},
    {IDC_BTNCANCEL, kFormPage, Kind::Button, L"キャンセル", 397, 346, 105, 30},
    {IDC_BTNOK, kFormPage, Kind::DefaultButton, L"OK", 292, 346, 105, 30},
    {IDC_CHKTRAY, kFormPage, Kind::Check, L"タスクトレイにアイコンを表示(&Z)", 8, 353, 270, 17},
};

constexpr const wchar_t* kPageCaptions[kPageCount] = {L"[表示(&P)]", L"[タイトルを書き換えないプログラム(&T)]",
                                                      L"[時報／アラーム(&L)]", L"[Qel実行ファイルの時刻指定起動(&U)]"};

} // namespace

const ControlPlace* Controls(int& count)
{
    count = static_cast<int>(sizeof(kControls) / sizeof(kControls[0]));
    return kControls;
}

const wchar_t* PageCaption(int page)
{
    return kPageCaptions[page];
}

wchar_t PageMnemonic(int page)
{
    const wchar_t* caption = kPageCaptions[page];
    const wchar_t* amp = wcschr(caption, L'&');
    return amp ? UpperUnit(amp[1]) : 0;
}

} // namespace FormLayout
