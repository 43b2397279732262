// The list of configurations: a list box that keyboard users can always show an entry from.
#pragma once

#include <QListWidget>

namespace weather {

// A list that takes the focus gets a current row without a selection, and shows nothing. The
// first key that moves through it then selects: Up and Down select the current row itself
// (it has not been shown yet), Home, End and the page keys select where they land, even when
// that is the current row.
class ConfigList : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace weather
