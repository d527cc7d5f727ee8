// Opening, saving and browsing recorded files, and the about box.
#include "app/About.h"
#include "app/AppState.h"
#include "app/ArhivCommands.h"
#include "app/ArhivForm.h"
#include "app/MainWindow.h"
#include "archive/ArhFile.h"
#include "device/Pirometr.h"
#include "platform/Exceptions.h"
#include "platform/Messages.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>

namespace {

// The hourglass for the lifetime of the object, restored on every way out.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

void ShowError(const Exception& e) { MessageDlg(e.Message(), DlgType::Error, MsgButtons::OK); }

// The bounds of some points on one axis.
struct TBounds {
    std::optional<TAxisRange> Range;
    void Add(double min, double max)
    {
        if (!Range)
            Range = TAxisRange{min, max};
        else
            Range = TAxisRange{std::min(Range->Min, min), std::max(Range->Max, max)};
    }
};

// An axis cannot show a range of no width: a single point or a constant
// line gets a sliver around it, which the snapping then widens to the
// smallest zoom span.
TAxisRange Drawable(TAxisRange range)
{
    if (range.Max > range.Min)
        return range;
    const double half = std::max(1.0, std::abs(range.Min)) * 1e-9;
    return {range.Min - half, range.Max + half};
}

// Fits both axes to the loaded points of the lines that are drawn; when no
// drawn line has points, to every line's points; with no points at all the
// axes stay as they are.
void FitAxes(TGraphic& graphic, const std::array<TLinePoints, 4>& lines)
{
    for (bool drawnOnly : {true, false}) {
        TBounds time;
        TBounds value;
        for (int ch = 1; ch <= 4; ++ch) {
            const TLinePoints& points = lines[ch - 1];
            if (points.Time.isEmpty() || (drawnOnly && !graphic.Line(ch)->Active()))
                continue;
            time.Add(points.Time.constFirst(), points.Time.constLast());
            const auto [lo, hi] = std::minmax_element(points.Value.cbegin(), points.Value.cend());
            value.Add(*lo, *hi);
        }
        if (time.Range) {
            graphic.Graph()->BottomAxis().SetRange(Drawable(*time.Range));
            graphic.Graph()->LeftAxis().SetRange(Drawable(*value.Range));
            return;
        }
    }
}

} // namespace

void TfrmMain::LoadArhToGraph(const QString& fileName)
{
    if (!Graphic_)
        return;
    // A file read without an instrument needs the default model's archive
    // file object; a read that fails leaves no model behind it.
    const bool created = Pirometr() == nullptr;
    if (created)
        SetPirometr(std::make_unique<TPirometr>());
    TArh arh;
    try {
        Pirometr()->ArhFile->ReadFile(fileName, arh);
    } catch (const Exception& e) {
        if (created)
            SetPirometr(nullptr);
        ShowError(e);
        return;
    }

    Graphic_->FillLines(arh.GMode);
    for (int ch = 1; ch <= 4; ++ch)
        Graphic_->Line(ch)->Clear();
    std::array<TLinePoints, 4> lines;
    for (int ch = 1; ch <= 4; ++ch)
        Graphic_->Line(ch)->BeginUpdate();
    {
        const TWaitCursor wait;
        // Each line takes its points in one go: one insertion, no redraw
        // per point.
        lines = SplitByChannel(arh.Points);
        for (int ch = 1; ch <= 4; ++ch)
            Graphic_->Line(ch)->AddPoints(lines[ch - 1].Time, lines[ch - 1].Value);
    }
    for (int ch = 1; ch <= 4; ++ch)
        Graphic_->Line(ch)->EndUpdate();
    FitAxes(*Graphic_, lines);
    Graphic_->SetUpMash();
    UpdateFileActions();
    Graphic_->update();
    FileLoaded = true;
}

void TfrmMain::actFileOpenExecute()
{
    const QString fileName = OpenFileDialog(this, kArhFileFilter, ArhivDir);
    if (!fileName.isEmpty())
        LoadArhToGraph(fileName);
}

void TfrmMain::actFileSaveExecute()
{
    const QString chosen = SaveFileDialog(this, kArhFileFilter, ArhivDir, QStringLiteral(".prv"));
    if (chosen.isEmpty() || !Graphic_)
        return;
    const QString fileName = ArhSaveFileName(chosen);

    TArh arh;
    TPirometr* model = Pirometr();
    arh.GMode = model ? ArhSaveHead(model->GModes) : ArhSaveHead(TGModes());
    int total = 0;
    for (int ch = 1; ch <= 4; ++ch)
        total += Graphic_->Line(ch)->Count();
    arh.Points.reserve(total);
    // Line by line, so the file holds the points grouped by channel; lines
    // that are switched off are saved as well.
    for (int ch = 1; ch <= 4; ++ch) {
        const TGraphLine* line = Graphic_->Line(ch);
        for (int i = 0, n = line->Count(); i < n; ++i)
            arh.Points.push_back({static_cast<std::uint8_t>(ch), line->XValue(i), line->YValue(i)});
    }

    try {
        if (model) {
            model->ArhFile->SaveFile(fileName, arh);
        } else {
            // Without a model there is no recording whose handle could be
            // shared, so a file object of its own serves.
            TArhFile file;
            file.SaveFile(fileName, arh);
        }
    } catch (const Exception& e) {
        ShowError(e);
    }
    Graphic_->update();
}

void TfrmMain::FileArhivExecute()
{
    // Freed when the browser closes, and if showing it fails.
    const auto browser = std::make_unique<TArhivForm>(this);
    browser->exec();
    UpdateFileActions();
}

void TfrmMain::actAboutExecute()
{
    auto* about = new TAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}
