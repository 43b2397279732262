// One season's tab: the start day with the year strip, the seventeen value boxes with a bar
// beside each, the groups' totals and the season's Update button. It shows how the boxes stand
// against the configuration on display; what the boxes and the button do is the window's.
#pragma once

#include "weathertable.h"
#include "yearstrip.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace weather {

class ValueBar;

class SeasonPage : public QWidget {
    Q_OBJECT

public:
    // The names of a box's marks as properties: "edited" while its text does not read as the
    // stored value, "invalid" while it holds no number; both false with nothing on display.
    static constexpr const char* EditedProperty = "edited";
    static constexpr const char* InvalidProperty = "invalid";

    explicit SeasonPage(int season, QWidget* parent = nullptr);

    [[nodiscard]] QGroupBox* frame() const { return fraDetails_; }
    // The box of season position `position`: 0 the start day, 1 to 17 the values.
    [[nodiscard]] QLineEdit* box(int position) const;
    [[nodiscard]] QPushButton* updateButton() const { return cmdUpdate_; }

    // Follows the boxes as they stand: marks each box against `stored` (null when nothing is on
    // display), and shows the totals and bars of what they hold.
    void follow(const SeasonWeather* stored);
    // The four seasons' start days, for the year strip.
    void showStartDays(const StartDays& starts);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Box widths and heading fonts for the page's font.
    void fitToFont();
    void markBox(QLineEdit* field, const SeasonWeather* stored, int position);

    int season_;
    QGroupBox* fraDetails_ = nullptr;
    QLineEdit* txtStart_ = nullptr;
    YearStrip* yearStrip_ = nullptr;
    QLabel* lblYearNote_ = nullptr;
    std::array<QLineEdit*, SeasonValueCount - 1> txtVal_{};
    std::array<ValueBar*, SeasonValueCount - 1> bars_{};
    std::array<QLabel*, 3> headings_{};
    std::array<QLabel*, 3> lblTotal_{};
    QPushButton* cmdUpdate_ = nullptr;
};

} // namespace weather
