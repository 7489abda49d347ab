#pragma once
#include <QString>
#include <memory>

class TDecoratedFrame;

// The application: builds its main window in InitMainWindow, shows it and runs
// the message loop until the main window closes. A QApplication must exist.
class TApplication {
public:
  // `startImages`: how many large images the program makes as it starts (the
  // main window's own, and any other), whose memory is made ready beforehand.
  explicit TApplication(const QString& name, int startImages = 1);
  virtual ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  int Run();
  // Builds, creates and shows the main window, without running the loop.
  void Start();

  const QString& Name() const { return name_; }
  TDecoratedFrame* GetMainWindow() const { return frame_.get(); }

protected:
  virtual void InitMainWindow() = 0;
  void SetMainWindow(TDecoratedFrame* frame);

private:
  QString name_;
  std::unique_ptr<TDecoratedFrame> frame_;
};
