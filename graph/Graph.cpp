// The Graph object: life cycle, picture, scrolling, resizing, printing and the option setters.

#include "graph/Graph.h"

#include "graph/GraphAccessible.h"
#include "graph/Scale.h"
#include "platform/GraphicsState.h"
#include "platform/Printing.h"

#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

GraphError::GraphError(const QString& message) : msg(message), what_(message.toUtf8()) {}

const char* GraphError::what() const noexcept {
    return what_.constData();
}

namespace {

bool ValidDepth(int d) {
    return d == 1 || d == 2 || d == 4 || d == 8 || d == 16 || d == 32;
}

// Sets or clears one option bit the way the setters always have: OR it in, XOR it out again.
void SetBit(int& flags, int bit, bool on) {
    flags |= bit;
    if (!on) flags ^= bit;
}

void SetTixPix(int& flags, int pixels) {
    flags = (flags & 480) + std::clamp(pixels, 3, 31);
}

// Sets up one scroll bar for a virtual extent on a control extent; returns the offset to keep.
int AdjustBar(QScrollBar* bar, int virtualExtent, int controlExtent, int offset) {
    bar->setMinimum(0);
    bar->setSingleStep(10);
    bar->setPageStep(50);
    if (virtualExtent > controlExtent) {
        bar->setEnabled(true);
        bar->setMaximum(virtualExtent - controlExtent);
        // The bar clamps its own value; an offset it did not report must not outrun it.
        return std::clamp(offset, 0, virtualExtent - controlExtent);
    }
    bar->setEnabled(false);
    return 0;
}

} // namespace

Graph::Graph(QWidget* parent) : Canvas(parent) {
    InstallGraphAccessibility();
}

Graph::~Graph() {
    GX = nullptr;
    GXP.reset();
}

void Graph::MakePicture(const char* failPicture, const char* failContext) {
    GX = nullptr;
    GXP.reset(); // the old picture goes before the new one is made
    GXP = Picture::Make(FWidth, FHeight, FDepth, devicePixelRatioF());
    if (!GXP) throw GraphError(QString::fromLatin1(failPicture));
    GX = GXP->GetGraphics();
    if (!GX) throw GraphError(QString::fromLatin1(failContext));
}

void Graph::Event_Open() {
    SBV = ScrollQueryV ? ScrollQueryV() : nullptr;
    SBH = ScrollQueryH ? ScrollQueryH() : nullptr;
    const int askedHeight = SBV && HeightQuery ? HeightQuery() : 0;
    FHeight = askedHeight != 0 ? askedHeight : height();
    const int askedWidth = SBH && WidthQuery ? WidthQuery() : 0;
    FWidth = askedWidth != 0 ? askedWidth : width();
    const int depth = DepthQuery ? DepthQuery() : 1;
    FDepth = ValidDepth(depth) ? depth : 1;

    MakePicture("Graph.Open: Picture Initialization Failure",
                "Graph.Open: GX Initialization Failure");
    zSBVAdjust();
    zSBHAdjust();

    CBlack = {0, 0, 0};
    CWhite = {255, 255, 255};
    CGrid = {180, 180, 180};
    RErr = false;
    Printing = false;
    HasGrid = false;
    PrevCurvH = 0;
    PrevCurvV = 0;
    GHeight = 0;
    GLeft = 0;
    GTop = 0;
    GWidth = 0;

    SetFontInfo(QStringLiteral("Helvetica"), 10, false, false);
    SetColor(CBlack);
    SetTickFontInfo(QStringLiteral("Helvetica"), 9);

    XLabel.clear();
    YLabel.clear();
    XFlags = 0;
    YFlags = 0;
    SetXAdjust(true);
    SetYAdjust(true);
    SetXMajTix(true);
    SetYMajTix(true);
    SetXMinTix(true);
    SetYMinTix(true);
    SetXTixPix(7);
    SetYTixPix(7);
    SetXZeroLn(false);
    SetYZeroLn(false);

    XMax = XMin = YMax = YMin = 0.0;
    XVtoPix = YVToPix = 0.0;
    XTickN = XTPower = YTickN = YTPower = 0;
    Title.clear();

    ClearFrame();
    if (Open) Open();
    UpdateScreen();
}

void Graph::Event_Close() {
    GX = nullptr;
    GXP.reset();
    if (Close) Close();
}

void Graph::Event_Paint(Graphics& screen) {
    if (!GXP) return;
    screen.DrawPicture(*GXP, 0, 0, width(), height(), ScPixH, ScPixV, width(), height());
}

void Graph::UpdateScreen() {
    if (Printing || !GXP) return;
    // The picture is copied once, when the screen is next shown or read (Event_Paint): a
    // redraw updates the screen after its frame and again after its content.
    MarkScreenStale();
}

void Graph::zSBHAdjust() {
    if (SBH) ScPixH = AdjustBar(SBH, FWidth, width(), ScPixH);
}

void Graph::zSBVAdjust() {
    if (SBV) ScPixV = AdjustBar(SBV, FHeight, height(), ScPixV);
}

void Graph::HandleHScroll(int position) {
    ScPixH = std::clamp(position, 0, std::max(0, FWidth - width()));
    UpdateScreen();
}

void Graph::HandleVScroll(int position) {
    ScPixV = std::clamp(position, 0, std::max(0, FHeight - height()));
    UpdateScreen();
}

void Graph::HandleResize() {
    if (SBH)
        zSBHAdjust();
    else
        FWidth = width();
    if (SBV)
        zSBVAdjust();
    else
        FHeight = height();
    if (!(SBH && SBV)) {
        // The new picture's context starts with the font and colour the owner had in force.
        const GraphicsState state =
            GX ? StateOf(*GX)
               : GraphicsState{CBlack, {QStringLiteral("Helvetica"), 10, false, false}};
        MakePicture("HandleResize: Picture Initialization Failure",
                    "HandleResize: GX Initialization Failure");
        SetFontInfo(state.text.font, state.text.size, state.text.bold, state.text.italic);
        SetColor(state.color);
        ReDrawAll();
    }
    UpdateScreen();
}

void Graph::resizeEvent(QResizeEvent* event) {
    Canvas::resizeEvent(event);
    if (!PictureFollowsSize || !GXP) return;
    if (GXP->Width() == width() && GXP->Height() == height() &&
        GXP->Image().devicePixelRatio() == devicePixelRatioF())
        return; // the picture is already the control's
    HandleResize();
    if (Resized) Resized();
}

void Graph::ClearFrame() {
    if (!GX) return;
    const GraphicsStateKeeper keep(*GX);
    SetColor(CWhite);
    // The picture's own size, also while GX is a printer's page.
    GX->FillRect(0, 0, GXP ? GXP->Width() : FWidth, GXP ? GXP->Height() : FHeight);
}

void Graph::GetContent() {
    if (DrawContent) DrawContent();
    UpdateScreen();
}

void Graph::ReDrawAll() {
    if (GWidth <= 0) throw GraphError(QStringLiteral("ReDrawAll: Graph has not been defined"));
    DefineGraph(XMin, XMax, YMin, YMax);
    GetContent();
}

void Graph::ReDrawContent() {
    if (GWidth <= 0) throw GraphError(QStringLiteral("ReDrawContent: Graph has not been defined"));
    DrawFrameAndAxes(); // copied back from the last time they were drawn
    GetContent();
}

void Graph::PrintGraph() {
    std::unique_ptr<Graphics> page = OpenPrinterDialog(this);
    if (!page) return;
    PrintGraphOn(*page);
}

void Graph::PrintGraphOn(Graphics& page) {
    // Whatever the redraw raises, the graph draws into its picture again afterwards.
    struct Restore {
        Graph& g;
        Graphics* saved;
        ~Restore() {
            g.Printing = false;
            g.GX = saved;
        }
    } restore{*this, GX};
    GX = &page;
    SetFontInfo(QStringLiteral("Helvetica"), 10, false, false);
    SetColor(CBlack);
    Printing = true;
    ReDrawAll();
}

void Graph::SetColor(Color c) {
    if (GX) GX->SetForeColor(c);
}

void Graph::SetXAdjust(bool on) {
    SetBit(XFlags, scale::kAdjust, on);
}

void Graph::SetYAdjust(bool on) {
    SetBit(YFlags, scale::kAdjust, on);
}

void Graph::SetXMajTix(bool on) {
    SetBit(XFlags, scale::kMajTix, on);
}

void Graph::SetYMajTix(bool on) {
    SetBit(YFlags, scale::kMajTix, on);
}

void Graph::SetXMinTix(bool on) {
    SetBit(XFlags, scale::kMinTix, on);
}

void Graph::SetYMinTix(bool on) {
    SetBit(YFlags, scale::kMinTix, on);
}

void Graph::SetXZeroLn(bool on) {
    SetBit(XFlags, scale::kZeroLn, on);
}

void Graph::SetYZeroLn(bool on) {
    SetBit(YFlags, scale::kZeroLn, on);
}

void Graph::SetXTixPix(int pixels) {
    SetTixPix(XFlags, pixels);
}

void Graph::SetYTixPix(int pixels) {
    SetTixPix(YFlags, pixels);
}

void Graph::SetGrid(bool on) {
    HasGrid = on;
}
