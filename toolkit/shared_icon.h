#pragma once

class QIcon;
class QString;

// The picture at `resourcePath` as an icon, one for the whole run. Every icon
// keeps its renderings in Qt's shared pixmap cache under a key of its own, so
// icons made afresh for each window opened would pile up there.
const QIcon &sharedIcon(const QString &resourcePath);
