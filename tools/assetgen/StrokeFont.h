// A small monoline font drawn by the generator itself, so that no picture depends on the fonts
// installed on the machine. Glyph units: baseline at y 0, y grows downwards, x-height 5, capital
// and digit height 7.5, ascenders 8, descenders 2.5.
#pragma once

#include <QPainterPath>
#include <QString>
#include <initializer_list>

namespace AssetGen {

// Continues `path` through `points`, starting a new stroke at the first.
void AddPolyline(QPainterPath& path, std::initializer_list<QPointF> points);

// The outline of a stroke of `width` along `centreLine`, with round caps and joins: the pen of
// this font and of every drawn line of the artwork.
QPainterPath RoundStroke(const QPainterPath& centreLine, double width);

// The advance of `text` in glyph units (without the spacing after the last glyph).
double StrokeFontWidth(const QString& text);

// The outline of `text` (throws for a character the font does not have) drawn with round strokes of
// `weight` glyph units, placed with its baseline's left end at `origin` and scaled by `scale`
// pixels per glyph unit.
QPainterPath StrokeFontOutline(const QString& text, double weight, QPointF origin, double scale);

} // namespace AssetGen
