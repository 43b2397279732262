// Web addresses in the window: shown as links in the About box, and opened in the browser with
// a word to the user when the desktop cannot do it.
#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace weather {

class Desktop;

// `text` as rich text that shows every character of it as it is: markup characters escaped,
// line breaks kept, and each web address in it (http:// or https:// up to the next blank) a
// link to itself.
[[nodiscard]] QString plainTextWithLinks(const QString& text);

// Opens `url` through `desktop`; when the desktop cannot, says so in a message over `parent`,
// titled `title`. Returns whether it opened.
bool openWebLink(Desktop& desktop, QWidget* parent, const QString& title, const QUrl& url);

} // namespace weather
