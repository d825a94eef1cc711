#pragma once
// The splash window: the court picture, a caption and a banner strip that scrolls the credits
// and a hint in turn. It stays until a click, Enter or Space; then the main window takes over.
// The About command shows it again. Either way the window host opens it, so it never outlives
// the program.

#include <QLabel>
#include <QWidget>
#include <memory>
#include <string>

#include "platform/app_context.h"
#include "platform/sub_window.h"

namespace tavix {

// The two banner texts, in turn.
std::string SplashCreditsText(int year);
extern const char kSplashHintText[];

// The scrolling strip: prints its text in white at its top-left corner.
class BannerStrip : public QWidget {
    Q_OBJECT
  public:
    explicit BannerStrip(QWidget* parent);
    void SetText(const QString& text);
    QString Text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

class Form1 : public SubWindow {
    Q_OBJECT
  public:
    explicit Form1(AppContext& ctx);

    // The strip moves 35 twips a tick and starts over at 5500 once it has passed -9400.
    static constexpr int kStepTwips = 35;
    static constexpr int kRestartTwips = 5500;
    static constexpr int kPassedTwips = -9400;
    static constexpr int kTickMs = 54;

    QLabel* Image1;
    BannerStrip* Picture2;
    std::unique_ptr<Timer> Timer1;
    QLabel* Label1;

    // Where the strip stands, in twips from the window's left edge.
    int BannerLeftTwips() const { return bannerLeft_; }
    void SetBannerLeftTwips(int twips);

  signals:
    void dismissed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void Leave() override;

  private:
    void Form_Load();
    void Timer1_Timer();
    void Dismiss();

    AppContext& ctx_;
    int bannerLeft_ = 120;
    int nextText_ = 0;  // 0: the hint comes next, 1: the credits
    bool dismissed_ = false;
};

}  // namespace tavix
