#include "CourseView.h"

#include "BevelPanel.h"
#include "GameMessages.h"
#include "ImageList.h"
#include "MessageBox.h"

#include <QPaintEvent>
#include <algorithm>
#include <limits>

namespace {

// The field carries this many whole cells beyond the view on every side, so a
// walk of one square never runs out of drawn cells.
constexpr int SpareCells = 2;

// The heroine stands with her feet this far down into her square.
constexpr int FeetFromTop = (SquareHeight / 3) * 2;

// Larger pictures than this do not fit any view; the limit keeps the geometry's
// arithmetic far from overflowing whatever the record says.
constexpr std::int32_t MaxHeroineSize = 4096;

// The heroine's image when she stands at rest.
constexpr std::int32_t StandingImage = 1;

// What a screen reader calls the view.
const char* const AccessibleViewName = "コース";

constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb BackgroundColour = qRgb(0xFF, 0xEE, 0xEE);
constexpr QRgb BlockOuterColour = qRgb(0x00, 0x99, 0x99);
constexpr QRgb BlockInnerColour = qRgb(0x2F, 0xFF, 0xFF);

// An event cell is framed by its outer colour this thick on every side.
constexpr int EventFrame = 2;
// A block cell's outline on the block's border.
constexpr int BlockOutline = 1;

struct EventColours {
    QRgb outer;
    QRgb inner;
};

bool EventColoursOf(SquareKind kind, EventColours& colours) {
    switch (kind) {
    case SquareKind::Remark:
        colours = {qRgb(0xA7, 0xAA, 0x00), qRgb(0xFF, 0xFF, 0x2F)};
        return true;
    case SquareKind::Lucky:
        colours = {qRgb(0xFB, 0x68, 0x00), qRgb(0xFF, 0x98, 0x6A)};
        return true;
    case SquareKind::StaminaUp:
        colours = {qRgb(0xA0, 0x00, 0x00), qRgb(0xFF, 0x40, 0x40)};
        return true;
    case SquareKind::Forward:
        colours = {qRgb(0x00, 0x00, 0xC9), qRgb(0x7A, 0x7F, 0xFF)};
        return true;
    case SquareKind::Back:
        colours = {qRgb(0x00, 0xBB, 0x00), qRgb(0x1C, 0xFF, 0x1C)};
        return true;
    default:
        return false;
    }
}

// Square and row numbers come from the record; adding to them must not overflow.
std::int32_t AddClamped(std::int32_t value, std::int32_t delta) {
    const std::int64_t sum = std::int64_t{value} + delta;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The place of a cell in its block, numbered like a telephone keypad (1 top
// left .. 9 bottom right), names the block's outer edges that the cell lies on.
// Any other code outlines nothing.
QRect InsideOutline(const QRect& cell, std::int32_t edgeCode) {
    if (edgeCode < 1 || edgeCode > 9) {
        return cell;
    }
    const int column = (edgeCode - 1) % 3;
    const int row = (edgeCode - 1) / 3;
    return cell.adjusted(column == 0 ? BlockOutline : 0, row == 0 ? BlockOutline : 0,
                         column == 2 ? -BlockOutline : 0, row == 2 ? -BlockOutline : 0);
}

QImage AllocateBitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

} // namespace

CourseViewBox::CourseViewBox(const QImage& frame, QWidget* parent)
    : QWidget(parent), frame_(frame) {
    // The frame covers the whole box; nothing underneath needs erasing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CourseViewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a screen that scales by a whole factor every pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, frame_);
}

CourseView::CourseView(QWidget* mainWindow, const CourseTable& course, int viewWidth,
                                   int viewHeight)
    : DisplayState_(DisplayIdle), ViewWidth_(std::max(viewWidth, 1)),
      ViewHeight_(std::max(viewHeight, 1)), FieldWidth_(ViewWidth_ + 1),
      FieldHeight_(ViewHeight_ + 1), course_(course) {
    // InitDisplay gives the field its working size; allocating that size now
    // means nothing is allocated while the game runs.
    const int fieldWidth = 2 * SpareCells * SquareWidth + ViewWidth_;
    const int fieldHeight = 2 * SpareCells * SquareHeight + ViewHeight_;
    FieldBitmap_ =
        AllocateBitmap(std::max(fieldWidth, FieldWidth_), std::max(fieldHeight, FieldHeight_));
    BackBuffer_ = AllocateBitmap(ViewWidth_, ViewHeight_);
    fieldPainter_.begin(&FieldBitmap_);
    fieldPainter_.setCompositionMode(QPainter::CompositionMode_Source);
    backPainter_.begin(&BackBuffer_);
    backPainter_.setCompositionMode(QPainter::CompositionMode_Source);

    DisplayPanel_ = new BevelPanel(mainWindow);
    DisplayPanel_->SetBevelOuter(BevelPanel::Bevel::Lowered);
    DisplayPanel_->SetBevelWidth(2);
    DisplayPanel_->resize(ViewWidth_ + 4, ViewHeight_ + 4);
    DisplayPanel_->hide();

    ViewBox_ = new CourseViewBox(BackBuffer_, DisplayPanel_);
    ViewBox_->setGeometry(2, 2, ViewWidth_, ViewHeight_);
    ViewBox_->setAccessibleName(QString::fromUtf8(AccessibleViewName));
    ViewBox_->show();
}

CourseView::~CourseView() {
    // The paint box shows our back buffer, so it must not outlive us. If the main
    // window went first it has already taken the panel with it.
    delete DisplayPanel_.data();
}

void CourseView::InitDisplay() {
    InitDone_ = true;
    FieldWidth_ = 2 * SpareCells * SquareWidth + ViewWidth_;
    FieldHeight_ = 2 * SpareCells * SquareHeight + ViewHeight_;

    ViewRect_ = QRect(0, 0, ViewWidth_, ViewHeight_);
    SourceRect_ =
        QRect(SpareCells * SquareWidth, SpareCells * SquareHeight, ViewWidth_, ViewHeight_);
    // Where the heroine's square lies in the field.
    const int anchorX = SpareCells * SquareWidth + MarginX;
    const int anchorY = SpareCells * SquareHeight + MarginY;
    ColsBefore_ = anchorX / SquareWidth;
    RowsBefore_ = anchorY / SquareHeight;
    GridLeft_ = anchorX - SquareWidth * ColsBefore_;
    GridTop_ = anchorY - SquareHeight * RowsBefore_;
    FieldCols_ = (FieldWidth_ - GridLeft_) / SquareWidth;
    FieldRows_ = (FieldHeight_ - GridTop_) / SquareHeight;
    fieldOrigin_ = 0;

    fieldPainter_.fillRect(FieldBitmap_.rect(), QColor(White));
    backPainter_.fillRect(BackBuffer_.rect(), QColor(White));
}

void CourseView::SetMainDisplay(const GameRecord& record) {
    DisplayState_ = DisplayIdle;
    if (!InitDone_) {
        ShowMessageBox(
            QStringLiteral("not Execute InitDisplay from CourseView::SetMainDisplay"));
        return;
    }
    SetDone_ = true;
    Data_ = record;
    fieldOrigin_ = 0;
    FirstCol_ = AddClamped(Data_.StartPosition, -ColsBefore_);
    FirstRow_ = AddClamped(Data_.StartRow, -RowsBefore_);
    CharX_ = (SquareWidth - HeroineWidth()) / 2 + MarginX;
    CharY_ = FeetFromTop + MarginY - HeroineHeight();

    // The last column and row are cut off by the bitmap's edge.
    const QRect wholeField(0, 0, FieldWidth_, FieldHeight_);
    for (int j = 0, y = GridTop_; y < FieldHeight_; ++j, y += SquareHeight) {
        for (int i = 0, x = GridLeft_; x < FieldWidth_; ++i, x += SquareWidth) {
            DrawCell(x, y, AddClamped(FirstCol_, i), AddClamped(FirstRow_, j), wholeField);
        }
    }
    CopyToBackBuffer(SourceRect_);
    DrawHeroine(StandingImage, CharX_, CharY_);
    UpdateAccessibleText();
}

// The controls go with the main window; after that the view draws on unseen.
void CourseView::ShowDisplay(int left, int top) {
    if (DisplayPanel_) {
        DisplayPanel_->move(left, top);
        DisplayPanel_->show();
    }
}

void CourseView::HideDisplay() {
    if (DisplayPanel_) {
        DisplayPanel_->hide();
    }
}

void CourseView::ShowPose(std::int32_t image) {
    CopyToBackBuffer(SourceRect_);
    DrawHeroine(image, CharX_, CharY_);
    PaintView();
}

void CourseView::DrawScrolled(Direction direction, int offset) {
    // The spare cells reach this far; a window beyond them would show undrawn pixels.
    const int maxLeft = std::max(FieldWidth_ - ViewWidth_, 0);
    const std::int64_t left = std::int64_t{SourceRect_.left()} +
                              (direction == Direction::Forward ? offset : -std::int64_t{offset});
    CopyToBackBuffer(SourceRect_.translated(
        static_cast<int>(std::clamp<std::int64_t>(left, 0, maxLeft)) - SourceRect_.left(), 0));
}

void CourseView::ShiftField(Direction direction) {
    // The column that leaves at one side is drawn over as the one that comes
    // in at the other; the columns in between keep their pixels.
    if (direction == Direction::Forward) {
        TurnField(SquareWidth);
        FirstCol_ = AddClamped(FirstCol_, 1);
        DrawColumn(GridLeft_ + (FieldCols_ - 1) * SquareWidth,
                   AddClamped(FirstCol_, FieldCols_ - 1));
    } else {
        TurnField(-SquareWidth);
        FirstCol_ = AddClamped(FirstCol_, -1);
        DrawColumn(GridLeft_, FirstCol_);
    }
    CopyToBackBuffer(SourceRect_);
}

void CourseView::TurnField(int dx) {
    if (FieldWidth_ > 0) {
        fieldOrigin_ = ((fieldOrigin_ + dx) % FieldWidth_ + FieldWidth_) % FieldWidth_;
    }
}

int CourseView::BitmapRuns(int x, int width, Run (&runs)[2]) const {
    const int start =
        FieldWidth_ > 0 ? ((x + fieldOrigin_) % FieldWidth_ + FieldWidth_) % FieldWidth_ : x;
    const int first = std::min(width, FieldWidth_ - start);
    runs[0] = {start, 0, first};
    if (first >= width) {
        return 1;
    }
    runs[1] = {0, first, width - first};
    return 2;
}

QImage CourseView::FieldBitmap() const {
    // Always a copy: the field goes on changing under the painter.
    QImage picture = FieldBitmap_.copy();
    if (fieldOrigin_ == 0) {
        return picture;
    }
    Run runs[2];
    const int count = BitmapRuns(0, FieldWidth_, runs);
    for (int y = 0; y < FieldHeight_; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(FieldBitmap_.constScanLine(y));
        auto* into = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int i = 0; i < count; ++i) {
            std::copy(from + runs[i].bitmapX, from + runs[i].bitmapX + runs[i].width,
                      into + runs[i].offset);
        }
    }
    return picture;
}

void CourseView::PaintView() {
    if (ViewBox_) {
        ViewBox_->update();
    }
}

void CourseView::UpdateAccessibleText() {
    if (!SetDone_ || !ViewBox_) {
        return;
    }
    // The field's first column moves with every walked square, so it always
    // tells the square she stands on.
    const std::int32_t square = AddClamped(FirstCol_, ColsBefore_);
    const std::int32_t row = AddClamped(FirstRow_, RowsBefore_);
    if (described_ && square == describedSquare_ && row == describedRow_) {
        return;
    }
    described_ = true;
    describedSquare_ = square;
    describedRow_ = row;
    QString text = QStringLiteral("%1 マス目").arg(square);
    const std::string& remark = course_.RemarkAt(square, row);
    if (!remark.empty()) {
        text += QStringLiteral(": ") + QString::fromStdString(remark);
    }
    ViewBox_->setAccessibleDescription(text);
}

void CourseView::DrawHeroine(std::int32_t image, int x, int y) {
    if (Data_.CharImages != nullptr) {
        Data_.CharImages->Draw(backPainter_, x, y, image);
    }
}

void CourseView::CopyToBackBuffer(const QRect& source) {
    if (fieldOrigin_ == 0 || source.isEmpty()) {
        backPainter_.drawImage(ViewRect_.topLeft(), FieldBitmap_, source);
        return;
    }
    Run runs[2];
    const int count = BitmapRuns(source.left(), source.width(), runs);
    for (int i = 0; i < count; ++i) {
        backPainter_.drawImage(
            ViewRect_.topLeft() + QPoint(runs[i].offset, 0), FieldBitmap_,
            QRect(runs[i].bitmapX, source.top(), runs[i].width, source.height()));
    }
}

std::int32_t CourseView::HeroineWidth() const {
    return std::clamp(Data_.CharWidth, 0, MaxHeroineSize);
}

std::int32_t CourseView::HeroineHeight() const {
    return std::clamp(Data_.CharHeight, 0, MaxHeroineSize);
}

void CourseView::DrawCell(int x, int y, std::int32_t square, std::int32_t row,
                                const QRect& clip) {
    const QRect cell(x, y, SquareWidth, SquareHeight);
    // Cells outside the table are background and never looked up.
    if (!CourseTable::Contains(square, row)) {
        DrawBackgroundCell(cell, clip);
        return;
    }
    const CourseSquare& entry = course_.At(square, row);
    switch (entry.kind) {
    case SquareKind::Start:
    case SquareKind::Goal:
        DrawBlockCell(cell, entry.param, clip);
        break;
    case SquareKind::Remark:
    case SquareKind::Lucky:
    case SquareKind::StaminaUp:
    case SquareKind::Forward:
    case SquareKind::Back:
        DrawEventCell(cell, entry.kind, clip);
        break;
    default:
        DrawBackgroundCell(cell, clip);
        break;
    }
}

// A QRect fill covers its left and top edges and stops short of the right and
// bottom ones, like the platform's rectangle fill.
void CourseView::Fill(const QRect& rect, QRgb colour, const QRect& clip) {
    const QRect area = rect & clip;
    if (area.isEmpty()) {
        return;
    }
    Run runs[2];
    const int count = BitmapRuns(area.left(), area.width(), runs);
    for (int i = 0; i < count; ++i) {
        fieldPainter_.fillRect(QRect(runs[i].bitmapX, area.top(), runs[i].width, area.height()),
                               QColor(colour));
    }
}

void CourseView::DrawBackgroundCell(const QRect& cell, const QRect& clip) {
    Fill(cell, BackgroundColour, clip);
}

void CourseView::DrawBlockCell(const QRect& cell, std::int32_t edgeCode, const QRect& clip) {
    Fill(cell, BlockOuterColour, clip);
    Fill(InsideOutline(cell, edgeCode), BlockInnerColour, clip);
}

void CourseView::DrawEventCell(const QRect& cell, SquareKind kind, const QRect& clip) {
    EventColours colours{};
    if (!EventColoursOf(kind, colours)) {
        DrawBackgroundCell(cell, clip);
        return;
    }
    Fill(cell, colours.outer, clip);
    Fill(cell.adjusted(EventFrame, EventFrame, -EventFrame, -EventFrame), colours.inner, clip);
}

void CourseView::DrawColumn(int x, std::int32_t square) {
    const QRect rows = ReachableRows();
    for (int j = 0, y = GridTop_; y < FieldHeight_; ++j, y += SquareHeight) {
        if (y + SquareHeight > rows.top() && y <= rows.bottom()) {
            DrawCell(x, y, square, AddClamped(FirstRow_, j), rows);
        }
    }
}

QRect CourseView::ReachableRows() const {
    return QRect(0, SourceRect_.top(), FieldWidth_, SourceRect_.height()) &
           QRect(0, 0, FieldWidth_, FieldHeight_);
}
