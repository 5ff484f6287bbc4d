// The skin: the board picture (111), the ball sprites (110), the path sprites (122), and a
// preview of a board composed from them in the game's paint order.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/Quantizer.h"
#include "tools/assetgen/StrokeFont.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <iterator>

namespace AssetGen {

namespace {

constexpr int SpriteSupersampling = 8; // supersampling of sprites

QImage Opaque(const QImage& premultiplied) {
    return premultiplied.convertToFormat(QImage::Format_RGB32);
}

// The sheet image with every cell blank: the background of both sprite sheets.
QImage BlankSheet(int columns, int rows) {
    QImage sheet = MakeCanvas(columns * CellSize, rows * CellSize, CellBlack);
    QPainter p(&sheet);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            p.drawImage(c * CellSize, r * CellSize, CellImage());
    return sheet;
}

// A sprite drawn by `paint` (in cell pixel coordinates, on a transparent supersampled canvas)
// laid over a blank cell at (column, row) of `sheet`.
// Nothing a sprite draws may touch the grid line: it is cut off there.
template <typename Paint>
void AddSprite(QImage& sheet, int column, int row, Paint paint) {
    QImage hi = MakeCanvas(CellSize * SpriteSupersampling, CellSize * SpriteSupersampling);
    paint(hi);
    QPainter p(&sheet);
    p.setClipRect(column * CellSize + 1, row * CellSize + 1, CellSize - 1, CellSize - 1);
    p.drawImage(column * CellSize, row * CellSize, Downsample(hi, SpriteSupersampling));
}

// The cell's inner square (inside the grid line) has its centre here, in cell pixels.
constexpr double CellCentre = 12.5;

void PaintArrow(QImage& hi, int direction, bool bright) {
    QPainter p(&hi);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(SpriteSupersampling, SpriteSupersampling);
    p.translate(CellCentre, CellCentre);
    p.rotate(-90.0 * direction); // 0 right, 1 up, 2 left, 3 down
    QPainterPath arrow;
    arrow.moveTo(-6.0, -1.7);
    arrow.lineTo(0.6, -1.7);
    arrow.lineTo(0.6, -5.4);
    arrow.lineTo(6.6, 0);
    arrow.lineTo(0.6, 5.4);
    arrow.lineTo(0.6, 1.7);
    arrow.lineTo(-6.0, 1.7);
    arrow.closeSubpath();
    QPen round(Qt::black, 1.4);
    round.setJoinStyle(Qt::RoundJoin);
    if (bright) {
        for (int i = 4; i >= 1; --i) { // a warm glow around the lit arrow
            QPen glow(QColor(255, 150, 30, 34), 1.4 + i * 1.3);
            glow.setJoinStyle(Qt::RoundJoin);
            p.strokePath(arrow, glow);
        }
        QLinearGradient fill(-6, 0, 7, 0);
        fill.setColorAt(0, QColor(255, 244, 170));
        fill.setColorAt(1, QColor(255, 208, 64));
        round.setBrush(fill);
        p.strokePath(arrow, round);
        p.fillPath(arrow, fill);
    } else {
        const QColor dim(88, 112, 150);
        round.setColor(dim);
        p.strokePath(arrow, round);
        p.fillPath(arrow, dim);
    }
}

void PaintTarget(QImage& hi, bool green) {
    QPainter p(&hi);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(SpriteSupersampling, SpriteSupersampling);
    p.translate(CellCentre, CellCentre);
    const QColor colour = green ? QColor(78, 226, 96) : QColor(242, 62, 52);
    const QColor glow = green ? QColor(60, 230, 90, 40) : QColor(250, 60, 40, 40);
    QPainterPath cross;
    cross.addEllipse(QPointF(0, 0), 6.2, 6.2);
    for (int k = 0; k < 4; ++k) {
        QTransform t;
        t.rotate(90.0 * k);
        cross.moveTo(t.map(QPointF(3.0, 0)));
        cross.lineTo(t.map(QPointF(8.8, 0)));
    }
    for (int i = 3; i >= 1; --i) {
        QPen halo(glow, 1.6 + i * 1.1);
        halo.setCapStyle(Qt::RoundCap);
        p.strokePath(cross, halo);
    }
    QPen pen(colour, 1.7);
    pen.setCapStyle(Qt::RoundCap);
    p.strokePath(cross, pen);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(0, 0), 1.3, 1.3);
}

QRgb MixRgb(QRgb a, QRgb b, double t) {
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

// The light-blue field with its gentle top-to-bottom shading.
void PaintField(QImage& image) {
    const QRgb top = qRgb(200, 233, 251);
    const QRgb bottom = qRgb(160, 211, 243);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const QRgb c = MixRgb(top, bottom, static_cast<double>(y) / (image.height() - 1));
        for (int x = 0; x < image.width(); ++x)
            line[x] = c;
    }
}

// Everything of the board picture that is not a cell, at `factor` times the final size.
void PaintBoardDecor(QImage& hi, int factor) {
    QPainter p(&hi);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);

    // The tray under the board, with a tab on its top right for the next balls.
    QPainterPath board;
    board.addRoundedRect(QRectF(7.5, 39.5, 225, 224), 6, 6);
    QPainterPath tab;
    tab.addRoundedRect(QRectF(150.5, 8.5, 82, 40), 6, 6);
    const QPainterPath tray = board.united(tab).simplified();
    // A soft shadow below and to the right.
    for (int i = 3; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 70, 120, 22));
        p.drawPath(tray.translated(0.6 * i, 0.9 * i));
    }
    QLinearGradient body(0, 8, 0, 264);
    body.setColorAt(0.0, QColor(74, 104, 146));
    body.setColorAt(1.0, QColor(46, 66, 100));
    p.setBrush(body);
    p.setPen(QPen(QColor(30, 44, 70), 1.0));
    p.drawPath(tray);
    // A thin highlight just inside the top edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 172, 212, 150), 1.0));
    p.save();
    p.setClipRect(QRectF(0, 0, 240, 46));
    p.drawPath(tray.translated(0, 1.0));
    p.restore();

    // The panel behind the two text lines.
    QPainterPath panel;
    panel.addRoundedRect(QRectF(6.5, 5.5, 98, 33), 5, 5);
    p.setBrush(QColor(236, 247, 254));
    p.setPen(QPen(QColor(142, 184, 220), 1.0));
    p.drawPath(panel);

    // Three little balls between the panel and the tab, as a mark of the game.
    p.end();
    const struct {
        double X, Y;
        int Colour;
    } marks[] = {{123.0, 18.0, 1}, {117.5, 27.5, 3}, {128.5, 27.5, 0}};
    for (const auto& m : marks)
        PaintBall(hi, factor, QPointF(m.X, m.Y), 5.4, {m.Colour, BallLook::Ordinary, false, false});
}

// The composed board picture before it is reduced to a palette.
QImage BoardTrueColour() {
    constexpr int Factor = 4;
    QImage field = MakeCanvas(ClientWidth, ClientHeight);
    PaintField(field);
    QImage hi = MakeCanvas(ClientWidth * Factor, ClientHeight * Factor);
    PaintBoardDecor(hi, Factor);
    QPainter p(&field);
    p.drawImage(0, 0, Downsample(hi, Factor));
    const QImage cell = CellImage();
    const ScreenRect& board = ScreenLayout::BoardRect;
    const ScreenRect& next = ScreenLayout::NextRect;
    for (int r = 0; r < ScreenLayout::BoardRows; ++r)
        for (int c = 0; c < ScreenLayout::BoardColumns; ++c)
            p.drawImage(board.Left + c * CellSize, board.Top + r * CellSize, cell);
    for (int i = 0; i < ScreenLayout::NextBallCount; ++i)
        p.drawImage(next.Left + i * CellSize, next.Top, cell);
    // The grid lines that close the right and bottom edges.
    const QColor grid = QColor::fromRgb(GridGrey);
    p.fillRect(board.Right, board.Top, 1, board.Bottom - board.Top + 1, grid);
    p.fillRect(board.Left, board.Bottom, board.Right - board.Left + 1, 1, grid);
    p.fillRect(next.Right, next.Top, 1, CellSize + 1, grid);
    p.fillRect(next.Left, next.Bottom, next.Right - next.Left + 1, 1, grid);
    p.end();
    return Opaque(field);
}

QImage BallSheetTrueColour() {
    QImage sheet = BlankSheet(ScreenLayout::SelectionFrames, 10);
    for (int row = 0; row < BallSpriteColors; ++row)
        for (int column = 0; column < ScreenLayout::SelectionFrames; ++column)
            AddSprite(sheet, column, row, [&](QImage& hi) {
                PaintBall(hi, SpriteSupersampling, QPointF(CellCentre, CellCentre), 10.0,
                          {row, column == 0 ? BallLook::Ordinary : BallLook::Alternate, false});
            });
    return Opaque(sheet);
}

QImage PathSheetTrueColour() {
    QImage sheet = BlankSheet(ScreenLayout::SelectionFrames, 8);
    for (int direction = 0; direction < 4; ++direction)
        for (int column = 0; column < ScreenLayout::SelectionFrames; ++column)
            AddSprite(sheet, column, direction,
                      [&](QImage& hi) { PaintArrow(hi, direction, column == 1); });
    for (int column = 0; column < ScreenLayout::SelectionFrames; ++column)
        AddSprite(sheet, column, ScreenLayout::TargetSpriteRow,
                  [&](QImage& hi) { PaintTarget(hi, column == 1); });
    return Opaque(sheet);
}

// The preview's sample board, row by row: a ball's colour number or '.' for an empty cell.
const char* const SampleRows[9] = {
    "1.....7..", //
    "..2...7.3", //
    ".5....7..", //
    "......7.4", //
    "..8.1....", //
    "3....66..", //
    ".2.....5.", //
    "..4....1.", //
    "7....3..2", //
};
constexpr int SampleNextBalls[3] = {2, 5, 8};

// The brown ball at row 4, column 2 is selected and sent along a winding path to row 6,
// column 6: right, down, down, right, right, right. The first arrow is lit.
constexpr QPoint SampleOrigin(2, 4); // column, row
constexpr int SamplePath[] = {0, 3, 3, 0, 0, 0};
constexpr int SampleSelectionFrame = 1;
constexpr int SamplePathStep = 0;

// Copies sprite (column, row) of the sheet to the point.
void DrawSprite(QPainter& p, const QImage& sheet, int column, int row, QPoint at) {
    p.drawImage(at, sheet, QRect(column * CellSize, row * CellSize, CellSize, CellSize));
}

// The top left corner of the board cell (row, column).
QPoint CellAt(int row, int column) {
    return QPoint(ScreenLayout::BoardLeft + column * CellSize,
                  ScreenLayout::BoardTop + row * CellSize);
}

// The cell (column, row) one step in direction d away.
QPoint StepBy(QPoint q, int d) {
    switch (d) {
    case 0:
        return QPoint(q.x() + 1, q.y());
    case 1:
        return QPoint(q.x(), q.y() - 1);
    case 2:
        return QPoint(q.x() - 1, q.y());
    default:
        return QPoint(q.x(), q.y() + 1);
    }
}

void DrawSampleBalls(QPainter& p, const QImage& balls) {
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            if (SampleRows[r][c] != '.')
                DrawSprite(p, balls, 0, SampleRows[r][c] - '1', CellAt(r, c));
    for (int i = 0; i < ScreenLayout::NextBallCount; ++i)
        DrawSprite(p, balls, 0, SampleNextBalls[i] - 1,
                   QPoint(ScreenLayout::NextLeft + i * CellSize, ScreenLayout::NextTop));
}

// The selected ball, the target marker and the arrows of the path.
void DrawSampleMove(QPainter& p, const QImage& balls, const QImage& path) {
    const QPoint origin = SampleOrigin;
    const int length = static_cast<int>(std::size(SamplePath));
    DrawSprite(p, balls, SampleSelectionFrame, SampleRows[origin.y()][origin.x()] - '1',
               CellAt(origin.y(), origin.x()));
    QPoint target = origin;
    for (int i = 0; i < length; ++i)
        target = StepBy(target, SamplePath[i]);
    DrawSprite(p, path, SampleSelectionFrame, ScreenLayout::TargetSpriteRow,
               CellAt(target.y(), target.x()));
    QPoint pos = origin;
    for (int i = 0; i + 1 < length; ++i) {
        pos = StepBy(pos, SamplePath[i]);
        DrawSprite(p, path, i == SamplePathStep ? 1 : 0, SamplePath[i + 1],
                   CellAt(pos.y(), pos.x()));
    }
}

} // namespace

QImage CellImage() {
    QImage cell(CellSize, CellSize, QImage::Format_RGB32);
    cell.fill(CellBlack);
    for (int i = 0; i < CellSize; ++i) {
        cell.setPixel(i, 0, GridGrey);
        cell.setPixel(0, i, GridGrey);
    }
    return cell;
}

QImage BallSprites() {
    return Quantize(BallSheetTrueColour(), 256, {CellBlack, GridGrey});
}

QImage PathSprites() {
    return Quantize(PathSheetTrueColour(), 256, {CellBlack, GridGrey});
}

QImage BoardPicture() {
    return Quantize(BoardTrueColour(), 256, {CellBlack, GridGrey});
}

QImage BoardPreview(int scale) {
    // The game's paint order on a sample Lines game: background, balls, next balls, the selected
    // ball in its alternate look, the path with its target and its first arrow lit, the texts.
    const QImage balls = BallSprites().convertToFormat(QImage::Format_RGB32);
    const QImage path = PathSprites().convertToFormat(QImage::Format_RGB32);
    QImage out = BoardPicture().convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    DrawSampleBalls(p, balls);
    DrawSampleMove(p, balls, path);
    // The two text lines, in the generator's own font (the game uses the platform's).
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(StrokeFontOutline("Lines", 1.05, QPointF(13, 19.5), 1.2), Qt::black);
    p.fillPath(StrokeFontOutline("Score 120", 1.05, QPointF(13, 33.5), 1.2), Qt::black);
    p.end();
    return out.scaled(out.width() * scale, out.height() * scale, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

} // namespace AssetGen
