#include "CourseView.h"

#include "BevelPanel.h"
#include "ImageList.h"
#include "MessageBox.h"
#include "TextMarks.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <algorithm>
#include <limits>

namespace {

// The field carries this many whole cells beyond the view on either side, so a
// walk of one square never runs out of drawn cells. Walks scroll only
// sideways, so the field is as high as the view.
constexpr int SpareCells = 2;

// The heroine stands with her feet this far down into her square.
constexpr int FeetFromTop = (SquareHeight / 3) * 2;

// Larger pictures than this do not fit any view; the limit keeps the geometry's
// arithmetic far from overflowing whatever the record says.
constexpr std::int32_t MaxHeroineSize = 4096;

// The heroine's image when she stands at rest.
constexpr std::int32_t StandingImage = 1;

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

bool eventColoursOf(SquareKind kind, EventColours& colours) {
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
std::int32_t addClamped(std::int32_t value, std::int32_t delta) {
    const std::int64_t sum = std::int64_t{value} + delta;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The place of a cell in its block, numbered like a telephone keypad (1 top
// left .. 9 bottom right), names the block's outer edges that the cell lies on.
// Any other code outlines nothing.
QRect insideOutline(const QRect& cell, std::int32_t edgeCode) {
    if (edgeCode < 1 || edgeCode > 9) {
        return cell;
    }
    const int column = (edgeCode - 1) % 3;
    const int row = (edgeCode - 1) / 3;
    return cell.adjusted(column == 0 ? BlockOutline : 0, row == 0 ? BlockOutline : 0,
                         column == 2 ? -BlockOutline : 0, row == 2 ? -BlockOutline : 0);
}

// Left unfilled: its pages are first touched when a frame is composed.
QImage allocateBitmap(int width, int height) {
    return QImage(width, height, QImage::Format_RGB32);
}

} // namespace

CourseViewBox::CourseViewBox(CourseView& owner) : QWidget(&owner), m_owner(owner) {
    // The frame covers the whole box; nothing underneath needs erasing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CourseViewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a screen that scales by a whole factor every pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, m_owner.composedFrame());
}

CourseView::CourseView(const CourseTable& course, int viewWidth, int viewHeight, QWidget* parent)
    : BevelPanel(parent), m_viewWidth(std::max(viewWidth, 1)),
      m_viewHeight(std::max(viewHeight, 1)), m_fieldWidth(m_viewWidth + 1),
      m_fieldHeight(m_viewHeight + 1), m_course(course) {
    // initialise gives the field its working size; allocating that size now
    // means nothing is allocated while the game runs.
    const int fieldWidth = 2 * SpareCells * SquareWidth + m_viewWidth;
    m_fieldBitmap = allocateBitmap(std::max(fieldWidth, m_fieldWidth), m_fieldHeight);
    m_backBuffer = allocateBitmap(m_viewWidth, m_viewHeight);
    m_fieldPainter.begin(&m_fieldBitmap);
    m_fieldPainter.setCompositionMode(QPainter::CompositionMode_Source);
    m_backPainter.begin(&m_backBuffer);
    m_backPainter.setCompositionMode(QPainter::CompositionMode_Source);

    setBevelOuter(BevelPanel::Bevel::Lowered);
    setBevelWidth(2);
    resize(m_viewWidth + 4, m_viewHeight + 4);
    hide();

    m_viewBox = new CourseViewBox(*this);
    m_viewBox->setGeometry(2, 2, m_viewWidth, m_viewHeight);
    //: What a screen reader calls the view of the course.
    m_viewBox->setAccessibleName(tr("コース"));
    m_viewBox->show();
}

void CourseView::initialise() {
    m_initialised = true;
    m_fieldWidth = 2 * SpareCells * SquareWidth + m_viewWidth;
    m_fieldHeight = m_viewHeight;

    m_viewRect = QRect(0, 0, m_viewWidth, m_viewHeight);
    m_sourceRect = QRect(SpareCells * SquareWidth, 0, m_viewWidth, m_viewHeight);
    // Where the heroine's square lies in the field. Columns start at or right
    // of the field's left edge, as the spare cells cover the view's; rows start
    // at or above its top edge, so the view's top row is drawn whole.
    const int anchorX = SpareCells * SquareWidth + MarginX;
    const int anchorY = MarginY;
    m_colsBefore = anchorX / SquareWidth;
    m_rowsBefore = (anchorY + SquareHeight - 1) / SquareHeight;
    m_gridLeft = anchorX - SquareWidth * m_colsBefore;
    m_gridTop = anchorY - SquareHeight * m_rowsBefore;
    m_fieldCols = (m_fieldWidth - m_gridLeft) / SquareWidth;
    m_fieldRows = (m_fieldHeight - m_gridTop) / SquareHeight;
    m_fieldOrigin = 0;
    m_blankDue = true;
    m_restPictureDue = false;
}

void CourseView::setUp(const GameRecord& record) {
    m_animation = CourseAnimation::Idle;
    if (!m_initialised) {
        showMessageBox(tr("not Execute InitDisplay from CourseView::SetMainDisplay"));
        return;
    }
    m_hasRecord = true;
    m_record = record;
    m_fieldOrigin = 0;
    m_firstCol = addClamped(m_record.currentSquare, -m_colsBefore);
    m_firstRow = addClamped(m_record.currentRow, -m_rowsBefore);
    m_heroineX = (SquareWidth - heroineWidth()) / 2 + MarginX;
    m_heroineY = FeetFromTop + MarginY - heroineHeight();
    // A blank still owed is drawn first, under the rest picture.
    m_restPictureDue = true;
    updateAccessibleText();
}

const QImage& CourseView::composedFrame() {
    drawPending();
    return m_backBuffer;
}

void CourseView::drawPending() {
    if (m_blankDue) {
        m_blankDue = false;
        m_fieldPainter.fillRect(m_fieldBitmap.rect(), QColor(White));
        m_backPainter.fillRect(m_backBuffer.rect(), QColor(White));
    }
    if (!m_restPictureDue) {
        return;
    }
    m_restPictureDue = false;
    // The last column and row are cut off by the bitmap's edge.
    const QRect wholeField(0, 0, m_fieldWidth, m_fieldHeight);
    for (int j = 0, y = m_gridTop; y < m_fieldHeight; ++j, y += SquareHeight) {
        for (int i = 0, x = m_gridLeft; x < m_fieldWidth; ++i, x += SquareWidth) {
            drawCell(x, y, addClamped(m_firstCol, i), addClamped(m_firstRow, j), wholeField);
        }
    }
    copyToBackBuffer(m_sourceRect);
    drawHeroine(StandingImage, m_heroineX, m_heroineY);
}

void CourseView::showPose(std::int32_t image) {
    copyToBackBuffer(m_sourceRect);
    drawHeroine(image, m_heroineX, m_heroineY);
    paintView();
}

void CourseView::drawScrolled(Direction direction, int offset) {
    // The spare cells reach this far; a window beyond them would show undrawn pixels.
    const int maxLeft = std::max(m_fieldWidth - m_viewWidth, 0);
    const std::int64_t left = std::int64_t{m_sourceRect.left()} +
                              (direction == Direction::Forward ? offset : -std::int64_t{offset});
    copyToBackBuffer(m_sourceRect.translated(
        static_cast<int>(std::clamp<std::int64_t>(left, 0, maxLeft)) - m_sourceRect.left(), 0));
}

void CourseView::shiftField(Direction direction) {
    // The field is complete before a column of it is drawn over.
    drawPending();
    // The column that leaves at one side is drawn over as the one that comes
    // in at the other; the columns in between keep their pixels.
    if (direction == Direction::Forward) {
        turnField(SquareWidth);
        m_firstCol = addClamped(m_firstCol, 1);
        drawColumn(m_gridLeft + (m_fieldCols - 1) * SquareWidth,
                   addClamped(m_firstCol, m_fieldCols - 1));
    } else {
        turnField(-SquareWidth);
        m_firstCol = addClamped(m_firstCol, -1);
        drawColumn(m_gridLeft, m_firstCol);
    }
    copyToBackBuffer(m_sourceRect);
}

void CourseView::turnField(int dx) {
    if (m_fieldWidth > 0) {
        m_fieldOrigin = ((m_fieldOrigin + dx) % m_fieldWidth + m_fieldWidth) % m_fieldWidth;
    }
}

int CourseView::bitmapRuns(int x, int width, Run (&runs)[2]) const {
    const int start =
        m_fieldWidth > 0 ? ((x + m_fieldOrigin) % m_fieldWidth + m_fieldWidth) % m_fieldWidth : x;
    const int first = std::min(width, m_fieldWidth - start);
    runs[0] = {start, 0, first};
    if (first >= width) {
        return 1;
    }
    runs[1] = {0, first, width - first};
    return 2;
}

void CourseView::paintView() {
    if (m_viewBox) {
        m_viewBox->update();
    }
}

void CourseView::updateAccessibleText() {
    describeSquare(m_record.currentSquare, m_record.currentRow);
}

QString CourseView::kindName(SquareKind kind) {
    switch (kind) {
    case SquareKind::Start:
        //: A kind of square, as the course's description names the squares ahead.
        return tr("スタート");
    case SquareKind::Goal:
        return tr("ゴール");
    case SquareKind::Remark:
        return tr("ひとこと");
    case SquareKind::Lucky:
        return tr("ラッキー");
    case SquareKind::StaminaUp:
        return tr("体力上昇");
    case SquareKind::Forward:
        return tr("更に進む");
    case SquareKind::Back:
        return tr("戻る");
    case SquareKind::Empty:
        break;
    }
    return tr("なし");
}

void CourseView::describeSquare(std::int32_t square, std::int32_t row) {
    if (!m_hasRecord || !m_viewBox) {
        return;
    }
    if (m_described && square == m_describedSquare && row == m_describedRow) {
        return;
    }
    m_described = true;
    m_describedSquare = square;
    m_describedRow = row;
    //: What a screen reader says of the square the heroine stands on.
    QString text = tr("%1 マス目").arg(square);
    const std::string& remark = m_course.remarkAt(square, row);
    if (!remark.empty()) {
        //: A square's number, then the heroine's remark on it.
        text = tr("%1: %2").arg(text, QCoreApplication::translate(RemarkContext, remark.c_str()));
    }
    QStringList ahead;
    for (std::int32_t next = square + 1; next <= square + SquaresAhead && next < SquareCount;
         ++next) {
        ahead << kindName(m_course.kindAt(next, row));
    }
    if (!ahead.isEmpty()) {
        //: The course's description: the square, then the kinds of the next squares.
        text = tr("%1。この先: %2").arg(text, ahead.join(tr("、")));
    }
    m_viewBox->setAccessibleDescription(text);
}

void CourseView::drawHeroine(std::int32_t image, int x, int y) {
    if (m_record.heroineImages != nullptr) {
        m_record.heroineImages->draw(m_backPainter, x, y, image);
    }
}

void CourseView::copyToBackBuffer(const QRect& source) {
    drawPending();
    if (m_fieldOrigin == 0 || source.isEmpty()) {
        m_backPainter.drawImage(m_viewRect.topLeft(), m_fieldBitmap, source);
        return;
    }
    Run runs[2];
    const int count = bitmapRuns(source.left(), source.width(), runs);
    for (int i = 0; i < count; ++i) {
        m_backPainter.drawImage(
            m_viewRect.topLeft() + QPoint(runs[i].offset, 0), m_fieldBitmap,
            QRect(runs[i].bitmapX, source.top(), runs[i].width, source.height()));
    }
}

std::int32_t CourseView::heroineWidth() const {
    return std::clamp(m_record.heroineWidth, 0, MaxHeroineSize);
}

std::int32_t CourseView::heroineHeight() const {
    return std::clamp(m_record.heroineHeight, 0, MaxHeroineSize);
}

void CourseView::drawCell(int x, int y, std::int32_t square, std::int32_t row, const QRect& clip) {
    const QRect cell(x, y, SquareWidth, SquareHeight);
    // Cells outside the table are background and never looked up.
    if (!CourseTable::contains(square, row)) {
        drawBackgroundCell(cell, clip);
        return;
    }
    const CourseSquare& entry = m_course.at(square, row);
    switch (entry.kind) {
    case SquareKind::Start:
    case SquareKind::Goal:
        drawBlockCell(cell, entry.param, clip);
        break;
    case SquareKind::Remark:
    case SquareKind::Lucky:
    case SquareKind::StaminaUp:
    case SquareKind::Forward:
    case SquareKind::Back:
        drawEventCell(cell, entry.kind, clip);
        break;
    default:
        drawBackgroundCell(cell, clip);
        break;
    }
}

// A QRect fill covers its left and top edges and stops short of the right and
// bottom ones, like the platform's rectangle fill.
void CourseView::fill(const QRect& rect, QRgb colour, const QRect& clip) {
    const QRect area = rect & clip;
    if (area.isEmpty()) {
        return;
    }
    Run runs[2];
    const int count = bitmapRuns(area.left(), area.width(), runs);
    for (int i = 0; i < count; ++i) {
        m_fieldPainter.fillRect(QRect(runs[i].bitmapX, area.top(), runs[i].width, area.height()),
                                QColor(colour));
    }
}

void CourseView::drawBackgroundCell(const QRect& cell, const QRect& clip) {
    fill(cell, BackgroundColour, clip);
}

void CourseView::drawBlockCell(const QRect& cell, std::int32_t edgeCode, const QRect& clip) {
    fill(cell, BlockOuterColour, clip);
    fill(insideOutline(cell, edgeCode), BlockInnerColour, clip);
}

void CourseView::drawEventCell(const QRect& cell, SquareKind kind, const QRect& clip) {
    EventColours colours{};
    if (!eventColoursOf(kind, colours)) {
        drawBackgroundCell(cell, clip);
        return;
    }
    fill(cell, colours.outer, clip);
    fill(cell.adjusted(EventFrame, EventFrame, -EventFrame, -EventFrame), colours.inner, clip);
}

void CourseView::drawColumn(int x, std::int32_t square) {
    // The rows a view window shows: the whole field once initialise has made
    // the geometry, none before.
    const QRect rows(0, m_sourceRect.top(), m_fieldWidth, m_sourceRect.height());
    for (int j = 0, y = m_gridTop; y < m_fieldHeight; ++j, y += SquareHeight) {
        drawCell(x, y, square, addClamped(m_firstRow, j), rows);
    }
}
