#pragma once

#include "BevelPanel.h"
#include "CourseTable.h"
#include "GameRecord.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <cstdint>

// Towards higher square numbers, or back towards the start.
enum class Direction { Forward, Backward };

// What the course view is doing.
enum class CourseAnimation {
    Idle,     // at rest, ready for the next animation
    Entry,    // the heroine drops in
    Walk,     // a walk by the drum's number
    Forward,  // a walk further
    Back,     // a walk back
    GameOver, // frozen at game over until the next setUp
    Goal,     // frozen at the goal until the next setUp
};

class CourseView;

// The paint box of the course view. It only ever shows its owner's back
// buffer, in one piece, so a repaint at any moment shows the last composed frame.
class CourseViewBox : public QWidget {
public:
    explicit CourseViewBox(CourseView& owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CourseView& m_owner;
};

// The course around the heroine, composed off-screen. fieldBitmap holds the
// cells of the squares around her with two spare cells on either side, so a
// walk scrolls by copying windows out of it and only draws one new column of
// cells per square. Walks scroll only sideways, so it is as high as the view.
// backBuffer holds one complete frame; the paint box shows only it.
//
// Both bitmaps are allocated once, at their final size, and keep a painter open
// for their whole life: composing a frame allocates nothing. What initialise
// and setUp ask for is drawn when a frame is next composed or painted, so the
// first game's bitmaps are first touched while the heroine's entry waits for
// its first step.
//
// fieldBitmap's columns form a ring: field column x is stored in bitmap column
// (x + origin) mod fieldWidth. Moving the field by a square turns the ring
// instead of moving pixels, so the square-completing tick costs about what a
// quarter-square tick does; a window that runs over the ring's seam is copied
// in two pieces. setUp starts the ring at origin 0.
//
// The view is the bevelled frame; its paint box sits inside the frame.
class CourseView : public BevelPanel {
    Q_OBJECT

public:
    // The course table is the owner's and must outlive the view.
    CourseView(const CourseTable& course, int viewWidth, int viewHeight, QWidget* parent = nullptr);

    // Computes the geometry; both bitmaps are to be cleared to white.
    void initialise();
    // Keeps a copy of the record; the rest picture of its square is to be
    // composed into backBuffer. Does not repaint: the picture reaches the
    // screen with the next frame, pose or repaint.
    void setUp(const GameRecord& record);
    // The rest picture with heroine image `image`, on screen.
    void showPose(std::int32_t image);
    // The view window displaced by `offset` pixels in `direction`, into backBuffer.
    void drawScrolled(Direction direction, int offset);
    // Moves the field by one square, draws the one new column of cells and
    // composes the rest picture (without the heroine) into backBuffer.
    void shiftField(Direction direction);
    // Asks the paint box to show backBuffer; Qt paints it in the next paint event.
    void paintView();
    // What a screen reader is told: the paint box is "コース", and its
    // description names the heroine's square and its remark ("12 マス目: …"),
    // then the kinds of the squares ahead. Only a changed square writes a new
    // text. setUp describes the record's square; during a walk the main window
    // describes the game's square, queued after each walked square and never
    // inside a tick, so the course and the status panel name the same square.
    void updateAccessibleText();
    void describeSquare(std::int32_t square, std::int32_t row);
    // How many squares ahead the description names.
    static constexpr std::int32_t SquaresAhead = 6;
    // The name of a kind of square, as the description says it.
    static QString kindName(SquareKind kind);

    // Which animation runs, or where the view is frozen.
    CourseAnimation animation() const { return m_animation; }
    // The paint box, which shows the composed frame and carries what a screen
    // reader is told of the course.
    QWidget* viewBox() const { return m_viewBox; }
    // backBuffer, with whatever initialise and setUp asked for drawn.
    const QImage& composedFrame();

protected:
    // Heroine image `image` of the record's list at (x, y) on backBuffer; a
    // missing list or an image outside it draws nothing.
    void drawHeroine(std::int32_t image, int x, int y);
    // The window `source` of the field onto all of backBuffer, after what
    // initialise and setUp asked for.
    void copyToBackBuffer(const QRect& source);

    // The heroine's size from the record, kept within what the geometry can hold.
    std::int32_t heroineWidth() const;
    std::int32_t heroineHeight() const;

    bool m_hasRecord = false;
    bool m_initialised = false;
    // Until a frame is composed: the bitmaps still to be cleared, the rest
    // picture still to be drawn.
    bool m_blankDue = true;
    bool m_restPictureDue = false;
    QImage m_backBuffer;
    QPointer<CourseViewBox> m_viewBox;
    QRect m_viewRect;
    QRect m_sourceRect;
    QImage m_fieldBitmap;
    GameRecord m_record;
    CourseAnimation m_animation = CourseAnimation::Idle;
    std::int32_t m_heroineX = 0;
    std::int32_t m_heroineY = 0;
    std::int32_t m_viewWidth;
    std::int32_t m_viewHeight;
    std::int32_t m_fieldWidth;
    std::int32_t m_fieldHeight;
    std::int32_t m_gridLeft = 0;
    std::int32_t m_gridTop = 0;
    std::int32_t m_colsBefore = 0;
    std::int32_t m_rowsBefore = 0;
    std::int32_t m_fieldCols = 0;
    std::int32_t m_fieldRows = 0;
    std::int32_t m_firstCol = 0;
    std::int32_t m_firstRow = 0;

private:
    // Draws what initialise and setUp asked for and nothing has drawn yet.
    void drawPending();
    // The square and row the accessible description was last written for.
    std::int32_t m_describedSquare = 0;
    std::int32_t m_describedRow = 0;
    bool m_described = false;

    // The cell of (square, row) at (x, y); only its part inside `clip` is drawn.
    void drawCell(int x, int y, std::int32_t square, std::int32_t row, const QRect& clip);
    void drawBackgroundCell(const QRect& cell, const QRect& clip);
    void drawBlockCell(const QRect& cell, std::int32_t edgeCode, const QRect& clip);
    void drawEventCell(const QRect& cell, SquareKind kind, const QRect& clip);
    void fill(const QRect& rect, QRgb colour, const QRect& clip);
    // The cells of one grid column at x, for `square`.
    void drawColumn(int x, std::int32_t square);
    // Turns the ring of columns by dx: field column x then shows what x + dx showed.
    void turnField(int dx);
    // The one or two runs of bitmap columns that hold field columns
    // [x, x + width); returns how many, filling `runs` as {bitmap x, offset, width}.
    struct Run {
        int bitmapX;
        int offset;
        int width;
    };
    int bitmapRuns(int x, int width, Run (&runs)[2]) const;

    const CourseTable& m_course;
    int m_fieldOrigin = 0;
    // Declared last: they end before the bitmaps they paint on are released.
    QPainter m_fieldPainter;
    QPainter m_backPainter;
};
