// A canvas that records every write with the state in force, and controls
// that hold the boxes' texts, the title and a fixed today.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "monthview/canvas.h"
#include "monthview/month_view.h"

namespace quillet::testing {

struct Write {
  int x;
  int y;
  std::string text;
  Rgb color;
  std::optional<Rgb> background;
  CanvasFont font;
  std::optional<int> within;  // the width a condensed label was given
};

class RecordingCanvas : public Canvas {
 public:
  void Clear() override {
    ++clears;
    ++calls;
  }
  void SetTextColor(Rgb color) override {
    color_ = color;
    ++calls;
  }
  void SetTextBackground(std::optional<Rgb> color) override {
    background_ = color;
    ++calls;
  }
  void SetFont(const CanvasFont& font) override {
    font_ = font;
    ++calls;
  }
  void WriteText(int x, int y, std::string_view text) override {
    writes.push_back(
        {x, y, std::string(text), color_, background_, font_, std::nullopt});
    ++calls;
  }
  void WriteTextWithin(int x, int y, std::string_view text,
                       int width) override {
    writes.push_back(
        {x, y, std::string(text), color_, background_, font_, width});
    ++calls;
  }

  int clears = 0;
  int calls = 0;
  std::vector<Write> writes;

 private:
  Rgb color_{0, 0, 0};
  std::optional<Rgb> background_;
  CanvasFont font_{"Arial", 14, true};
};

class FakeControls : public MonthViewControls {
 public:
  FakeControls(std::string year, std::string month,
               CivilDate today = {2000, 1, 1})
      : year_(std::move(year)), month_(std::move(month)), today_(today) {}

  std::string YearText() const override { return year_; }
  std::string MonthText() const override { return month_; }
  void SetTitle(std::string_view text) override {
    title = std::string(text);
    clearsBeforeTitle = canvas.clears;
  }
  Canvas& DrawingCanvas() override { return canvas; }
  CivilDate Today() const override { return today_; }

  RecordingCanvas canvas;
  std::string title;
  int clearsBeforeTitle = -1;

 private:
  std::string year_;
  std::string month_;
  CivilDate today_;
};

// Day numbers are written in Arial 18 points, labels in the Song face.
inline bool IsDayNumber(const Write& w) { return w.font.points == 18; }
inline bool IsLabel(const Write& w) { return w.font.points == 9; }

}  // namespace quillet::testing
