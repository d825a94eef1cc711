#pragma once
// The rules window: a column of topic panels on the left chooses what the reading list on the
// right shows; the court topic shows two drawings of the court instead of text.

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <array>

#include "platform/app_context.h"
#include "platform/sub_window.h"

class QFrame;
class QListWidget;
class QToolButton;

namespace tavix {

class CourtPicture;

// A framed caption that acts as a button, like the raised topic panels of the window.
class TopicPanel : public QLabel {
    Q_OBJECT
  public:
    TopicPanel(const QString& caption, QWidget* parent);
  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class textrulesform : public SubWindow {
    Q_OBJECT
  public:
    explicit textrulesform(AppContext& ctx);

    // The caption colours of the topic panels: the current topic stands out in light blue.
    // Black topics and a blue current one on a light theme; on a dark theme the theme's text and
    // link colours, which stay readable there.
    static QColor TopicColour(bool current, const QPalette& theme);

    void Topiclabel_Click(int index);
    void List1_Click();
    void Donebutton_Click();

    QLabel* Image1 = nullptr;
    QLabel* Panel3D2 = nullptr;
    std::array<TopicPanel*, 8> Topiclabel{};
    QFrame* Panel3D1 = nullptr;
    QListWidget* List1 = nullptr;
    CourtPicture* Image2 = nullptr;
    CourtPicture* Image3 = nullptr;
    QToolButton* Donebutton = nullptr;

  protected:
    void Leave() override;

  private:
    void Form_Load();
    void ShowTopicAs(QLabel* panel, bool current);

    AppContext& ctx_;
};

}  // namespace tavix
