#pragma once
// A team's play-off and title chances through the season: one point per game day, the play-off
// chance as a solid line with round marks, the title chance as a dashed line with square marks,
// so the two differ by more than colour. Painted by hand in the palette's colours.

#include <QWidget>
#include <vector>

#include "core/calendar.h"
#include "forecast/season_odds.h"

namespace tavix {

class OddsChart : public QWidget {
  public:
    explicit OddsChart(QWidget* parent);
    // `days` are the game days of the whole season (the axis); `odds` the mornings worked out so
    // far, from the first day on; `note` is shown while there is nothing to draw.
    void SetSeason(std::vector<Date> days, std::vector<SeasonOdds> odds);
    void SetTeam(int team, const QString& name);
    void SetNote(const QString& note);
    int Team() const { return team_; }
    size_t Points() const { return odds_.size(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Describe();

    std::vector<Date> days_;
    std::vector<SeasonOdds> odds_;
    int team_ = 1;
    QString name_, note_;
};

}  // namespace tavix
