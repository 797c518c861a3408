#pragma once

#include <QByteArray>
#include <QStringList>

// Whether the question view can show a page resource: a sound web archive
// whose first part is the HTML page and whose every reference reaches a part
// of the archive (never a local file, which the view refuses).
namespace PageCheck {

// One text per problem; empty when the page is sound.
QStringList problems(const QByteArray &bytes);

} // namespace PageCheck
