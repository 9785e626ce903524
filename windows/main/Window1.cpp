// The main window's frame, its controls and their wiring, and what it does when it opens and
// closes.
#include "windows/main/Window1.h"

#include "model/EnergyText.h"
#include "model/Model.h"
#include "solver/core/PotentialRows.h"

#include "graph/Graph.h"
#include "platform/NumberText.h"
#include "platform/Place.h"
#include "platform/System.h"
#include "windows/common/GrowingLayout.h"
#include "windows/common/RowTexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int kContentWidth = 671;
constexpr int kContentHeight = 469;

QLabel* staticText(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* label = Place(new QLabel(text, parent), left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    return label;
}

QSlider* slider(QWidget* parent, int left, int top) {
    auto* s = Place(new QSlider(Qt::Horizontal, parent), left, top, 100, 16);
    s->setRange(0, 1);
    s->setValue(0);
    s->setSingleStep(1);
    s->setPageStep(10);
    // A drag is reported at every step, so the plots follow the hand; its steps are one change.
    s->setTracking(true);
    return s;
}

} // namespace

Window1::Window1(Model& model, QMenuBar* menuBar, QWidget* parent)
    : QMainWindow(parent), solver(&YieldToFramework), beep(&Beep), model_(model) {
    Layout(menuBar);
    _CreateControls0();
    describeControls();
    layOutControls();
    // The plots open first (their pictures, defaults and first ranges), then the window.
    Graph1->Event_Open();
    Graph2->Event_Open();
    connect(&model_, &Model::changed, this, [this](int what) { Model_Changed(what); });
    Event_Open();
}

Window1::Window1(QMenuBar* menuBar, QWidget* parent) : Window1(*new Model(), menuBar, parent) {
    ownModel_.reset(&model_);
}

Window1::~Window1() = default;

void Window1::Layout(QMenuBar* menuBar) {
    if (menuBar) setMenuBar(menuBar);
    setWindowTitle(QStringLiteral("Wellscope"));
    auto* content = new QWidget(this);
    content->setMinimumSize(kContentWidth, kContentHeight);
    setCentralWidget(content);
    // It opens at the size it was drawn for; the plots take any size it is given beyond that.
    resize(sizeHint());
}

void Window1::layOutControls() {
    QWidget* content = centralWidget();
    auto* grid = new GrowingLayout(content, QSize(kContentWidth, kContentHeight));
    for (QWidget* w : content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        GrowingLayout::Growth growth{0, 0, 1, 0}; // the controls keep to the right edge
        if (w == Graph1) growth = {1, 0.5, 0, 0};
        if (w == Graph2) growth = {1, 0.5, 0, 0.5};
        grid->Add(w, w->geometry(), growth);
    }
    // Tab in reading order: the potential and its parameters, then the energy and its buttons.
    const QList<QWidget*> chain{PopupMenu1,  Slider1,  Slider2, Slider3,
                                PMSymmetric, EFEnergy, PBDraw,  PBFind};
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    // A plot draws into a picture of its own size: a new size makes a new picture.
    Graph1->PictureFollowsSize = Graph2->PictureFollowsSize = true;
}

void Window1::_CreateControls0() {
    QWidget* w = centralWidget();

    PMSymmetric = Place(new QComboBox(w), 507, 176, 144, 20);
    PMSymmetric->addItems({tr("Symmetric"), tr("Anti-Symmetric")});
    PMSymmetric->setCurrentIndex(0);
    connect(PMSymmetric, &QComboBox::currentIndexChanged, this, [this] { PMSymmetric_Change(); });

    PopupMenu1 = Place(new QComboBox(w), 507, 20, 144, 20);
    for (const RowInfo& r : PotentialRows) PopupMenu1->addItem(RowText(r.menuText));
    PopupMenu1->setCurrentIndex(0);
    connect(PopupMenu1, &QComboBox::currentIndexChanged, this, [this] { PopupMenu1_Change(); });

    Slider1 = slider(w, 529, 74);
    connect(Slider1, &QSlider::valueChanged, this, [this] { Slider1_ValueChanged(); });
    Slider2 = slider(w, 529, 124);
    connect(Slider2, &QSlider::valueChanged, this, [this] { Slider2_ValueChanged(); });
    Slider3 = slider(w, 529, 170);
    connect(Slider3, &QSlider::valueChanged, this, [this] { Slider3_ValueChanged(); });
    // Each drag is one change to undo, however many steps it takes.
    for (QSlider* s : {Slider1, Slider2, Slider3})
        connect(s, &QSlider::sliderReleased, this, [this] { model_.EndSliderDrag(); });

    const QString label = QStringLiteral("Label:");
    STTitle1 = staticText(w, label, 524, 52, 134, 16);
    STTitle2 = staticText(w, label, 524, 101, 134, 16);
    STTitle3 = staticText(w, label, 524, 147, 134, 16);
    STLeft3 = staticText(w, label, 510, 167, 60, 16);
    STRight3 = staticText(w, label, 634, 167, 60, 16);
    STLeft2 = staticText(w, label, 510, 122, 60, 16);
    STRight2 = staticText(w, label, 634, 122, 60, 16);
    STLeft1 = staticText(w, label, 510, 72, 60, 16);
    STRight1 = staticText(w, label, 634, 72, 60, 16);

    Graph2 = new Graph(w);
    Graph2->setGeometry(5, 243, 450, 204);
    Graph2->setFocusPolicy(Qt::NoFocus);
    Graph2->DepthQuery = [this] { return Graph2_DepthQuery(); };
    Graph2->DrawContent = [this] { Graph2_DrawContent(); };
    Graph2->Open = [this] { Graph2_Open(); };

    STEquals = staticText(w, tr("Energy ="), 529, 227, 129, 29);

    EFEnergy = Place(new QLineEdit(w), 524, 257, 119, 22);
    EFEnergy->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    EFEnergy->setMaxLength(MaxEnergyTextLength);
    connect(EFEnergy, &QLineEdit::textChanged, this, [this] { EFEnergy_TextChange(); });

    PBDraw = Place(new QPushButton(tr("Draw "), w), 524, 294, 119, 20);
    PBDraw->setDefault(true);
    connect(PBDraw, &QPushButton::clicked, this, [this] { PBDraw_Action(); });
    // Return in the energy field presses the default button.
    connect(EFEnergy, &QLineEdit::returnPressed, PBDraw, &QPushButton::click);

    PBFind = Place(new QPushButton(tr("Find"), w), 524, 328, 119, 20);
    connect(PBFind, &QPushButton::clicked, this, [this] { PBFind_Action(); });

    Graph1 = new Graph(w);
    Graph1->setGeometry(5, 20, 450, 204);
    Graph1->setFocusPolicy(Qt::NoFocus);
    Graph1->MouseUp = [this](int x, int y) { Graph1_MouseUp(x, y); };
    Graph1->MouseDown = [this](int x, int y) { return Graph1_MouseDown(x, y); };
    Graph1->MouseDrag = [this](int x, int y) { Graph1_MouseDrag(x, y); };
    Graph1->DepthQuery = [this] { return Graph1_DepthQuery(); };
    Graph1->MouseExit = [this] { Graph1_MouseExit(); };
    Graph1->MouseEnter = [this] { Graph1_MouseEnter(); };
    Graph1->MouseMove = [this](int x, int y) { Graph1_MouseMove(x, y); };
    Graph1->DrawContent = [this] { Graph1_DrawContent(); };
    Graph1->Open = [this] { Graph1_Open(); };

    StaticText1 = staticText(w,
                             tr("To modify the function, click once at a point on the "
                                "line to create a handle, then drag the handle "
                                "vertically to a new position."),
                             507, 63, 146, 143);
    StaticText1->setWordWrap(true);
    StaticText1->hide();

    StaticText2 = staticText(w, tr("eV"), 646, 258, 19, 21);
}

bool Window1::Reshaped() const {
    return model_.Value().reshape.has_value();
}

int Window1::row() const {
    return PopupMenu1->currentIndex();
}

void Window1::Event_Open() {
    dragging = false;
    BusyFindingEta = false;
    setCursor(ArrowCursor());
    // Open on the lowest level of the 1 nm well, exactly as if the "Well" row had been chosen.
    if (!model_.ChooseRow(RowWell) && beep) beep();
}

void Window1::Event_Close() {
    QApplication::quit();
}

void Window1::closeEvent(QCloseEvent* event) {
    event->accept();
    Event_Close();
}
