#pragma once

#include "BevelPanel.h"
#include "CourseTable.h"
#include "GameRecord.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstdint>

// Towards higher square numbers, or back towards the start.
enum class Direction { Forward, Backward };

// The paint box of the course view. It only ever shows its owner's back
// buffer, in one piece, so a repaint at any moment shows the last composed frame.
class CourseViewBox : public QWidget {
public:
    CourseViewBox(const QImage& frame, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& frame_;
};

// The course around the heroine, composed off-screen. FieldBitmap holds the
// cells of the squares around her with two spare cells on every side, so a walk
// scrolls by copying windows out of it and only draws one new column of cells
// per square. BackBuffer holds one complete frame; the paint box shows only it.
//
// Both bitmaps are allocated once, at their final size, and keep a painter open
// for their whole life: composing a frame allocates nothing. BackBuffer() is
// the live picture; take copy() to keep a snapshot.
//
// FieldBitmap's columns form a ring: field column x is stored in bitmap column
// (x + origin) mod FieldWidth. Moving the field by a square turns the ring
// instead of moving pixels, so the square-completing tick costs about what a
// quarter-square tick does; a window that runs over the ring's seam is copied
// in two pieces. SetMainDisplay starts the ring at origin 0. Walks scroll only
// sideways, so ShiftField draws the new column only in the rows a view window
// can reach (SourceRect's rows); the rows outside them are never shown.
class CourseView {
public:
    CourseView(QWidget* mainWindow, const CourseTable& course, int viewWidth, int viewHeight);
    virtual ~CourseView();
    CourseView(const CourseView&) = delete;
    CourseView& operator=(const CourseView&) = delete;

    // Computes the geometry and clears both bitmaps to white.
    void InitDisplay();
    // Keeps a copy of the record and composes the rest picture of its square
    // into BackBuffer. Does not repaint: the picture reaches the screen with the
    // next frame, pose or repaint.
    void SetMainDisplay(const GameRecord& record);
    void ShowDisplay(int left, int top);
    void HideDisplay();
    // The rest picture with heroine image `image`, on screen.
    void ShowPose(std::int32_t image);
    // The view window displaced by `offset` pixels in `direction`, into BackBuffer.
    void DrawScrolled(Direction direction, int offset);
    // Moves the field by one square, draws the one new column of cells and
    // composes the rest picture (without the heroine) into BackBuffer. The new
    // column is drawn in the rows a view window can reach.
    void ShiftField(Direction direction);
    // Asks the paint box to show BackBuffer; Qt paints it in the next paint event.
    void PaintView();
    // What a screen reader is told: the paint box is "コース", and its
    // description names the heroine's square and its remark ("12 マス目: …").
    // Only a changed square writes a new text. SetMainDisplay calls this; during
    // a walk the main window calls it after each game message, never a tick.
    void UpdateAccessibleText();

    std::int32_t DisplayState() const { return DisplayState_; }
    bool SetDone() const { return SetDone_; }
    bool InitDone() const { return InitDone_; }
    std::int32_t CharX() const { return CharX_; }
    std::int32_t CharY() const { return CharY_; }
    std::int32_t FieldWidth() const { return FieldWidth_; }
    std::int32_t FieldHeight() const { return FieldHeight_; }
    std::int32_t GridLeft() const { return GridLeft_; }
    std::int32_t GridTop() const { return GridTop_; }
    std::int32_t FieldCols() const { return FieldCols_; }
    std::int32_t FirstCol() const { return FirstCol_; }
    std::int32_t FirstRow() const { return FirstRow_; }
    QRect SourceRect() const { return SourceRect_; }
    const QImage& BackBuffer() const { return BackBuffer_; }
    // A snapshot of the field, field column 0 at its left, at the bitmap's full
    // size (only FieldWidth x FieldHeight of it is in use).
    QImage FieldBitmap() const;
    // Where field column 0 is stored in the bitmap.
    int FieldOrigin() const { return fieldOrigin_; }
    BevelPanel* DisplayPanel() const { return DisplayPanel_; }
    QWidget* ViewBox() const { return ViewBox_; }

protected:
    // Heroine image `image` of the record's list at (x, y) on BackBuffer; a
    // missing list or an image outside it draws nothing.
    void DrawHeroine(std::int32_t image, int x, int y);
    // The window `source` of the field onto all of BackBuffer.
    void CopyToBackBuffer(const QRect& source);

    // The heroine's size from the record, kept within what the geometry can hold.
    std::int32_t HeroineWidth() const;
    std::int32_t HeroineHeight() const;

    QPointer<BevelPanel> DisplayPanel_;
    bool SetDone_ = false;
    bool InitDone_ = false;
    QImage BackBuffer_;
    QPointer<CourseViewBox> ViewBox_;
    QRect ViewRect_;
    QRect SourceRect_;
    QImage FieldBitmap_;
    GameRecord Data_;
    std::int32_t DisplayState_;
    std::int32_t CharX_ = 0;
    std::int32_t CharY_ = 0;
    std::int32_t ViewWidth_;
    std::int32_t ViewHeight_;
    std::int32_t FieldWidth_;
    std::int32_t FieldHeight_;
    std::int32_t GridLeft_ = 0;
    std::int32_t GridTop_ = 0;
    std::int32_t ColsBefore_ = 0;
    std::int32_t RowsBefore_ = 0;
    std::int32_t FieldCols_ = 0;
    std::int32_t FieldRows_ = 0;
    std::int32_t FirstCol_ = 0;
    std::int32_t FirstRow_ = 0;

private:
    // The square and row the accessible description was last written for.
    std::int32_t describedSquare_ = 0;
    std::int32_t describedRow_ = 0;
    bool described_ = false;

    // The cell of (square, row) at (x, y); only its part inside `clip` is drawn.
    void DrawCell(int x, int y, std::int32_t square, std::int32_t row, const QRect& clip);
    void DrawBackgroundCell(const QRect& cell, const QRect& clip);
    void DrawBlockCell(const QRect& cell, std::int32_t edgeCode, const QRect& clip);
    void DrawEventCell(const QRect& cell, SquareKind kind, const QRect& clip);
    void Fill(const QRect& rect, QRgb colour, const QRect& clip);
    // The cells of one grid column at x, for `square` in the grid rows that
    // reach into ReachableRows().
    void DrawColumn(int x, std::int32_t square);
    // The field rows that a view window can show: walks scroll only sideways,
    // so these are SourceRect's rows.
    QRect ReachableRows() const;
    // Turns the ring of columns by dx: field column x then shows what x + dx showed.
    void TurnField(int dx);
    // The one or two runs of bitmap columns that hold field columns
    // [x, x + width); returns how many, filling `runs` as {bitmap x, offset, width}.
    struct Run {
        int bitmapX;
        int offset;
        int width;
    };
    int BitmapRuns(int x, int width, Run (&runs)[2]) const;

    const CourseTable& course_;
    int fieldOrigin_ = 0;
    // Declared last: they end before the bitmaps they paint on are released.
    QPainter fieldPainter_;
    QPainter backPainter_;
};
