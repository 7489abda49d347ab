#pragma once
#include <gtest/gtest.h>

#include <string>

#include "../formes/ExpectMessage.h"
#include "GameHarness.h"
#include "PeldanoWindow.h"

// The staircase game run headless at 1024 x 768, its model draws scripted.
class PeldanoTest : public ::testing::Test {
 protected:
  void SetUp() override { Start({0}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  // A new run whose model draws begin with `draws`.
  void Start(std::deque<int> draws) {
    h.reset();
    h = GameHarness::Start<peldano::TMyAppCumMenuSuite>({.scriptedRandom = std::move(draws)});
  }
  peldano::TMainWindowSuite& W() { return static_cast<peldano::TMainWindowSuite&>(h->Window()); }
  peldano::Escalier& Stairs() { return W().Stairs(); }
  int ModelKind() { return W().Model().Modele().forme; }
  static QPoint Centre(const Case& c) { return QPoint(c.left + c.width / 2, c.top + c.height / 2); }

  // The platform then the staircase: '_' an empty place, 'o' a place with a
  // figure, '.' a plain step, 'F' the step with the figure.
  std::string Board() {
    std::string text;
    for (int i = 0; i < peldano::kPlaces; ++i) text += Stairs().Place(i).look == peldano::FilledPlace ? 'o' : '_';
    text += '|';
    for (int i = 0; i < peldano::kSteps; ++i) text += Stairs().Step(i).look == peldano::FigureOnStep ? 'F' : '.';
    return text;
  }
  // Clicks the form of the bottom row equal to the model.
  void AnswerRight() { h->Click(Centre(W().Row().Cell(ModelKind()))); }
  // Clicks a form of the bottom row that differs from the model.
  void AnswerWrong() { h->Click(Centre(W().Row().Cell((ModelKind() + 1) % peldano::kForms))); }

  bool Shows(const QImage& image, const Case& c, int picture) {
    return image.copy(c.left, c.top, c.width, c.height) ==
           W().PictureDC(picture).Image()->copy(0, 0, c.width, c.height);
  }
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};
