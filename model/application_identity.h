#pragma once

#include <QString>

// The application's name, as the message boxes' titles and the main window's title show
// it, and its release, which every configuration file header and the About box carry. The
// release is the project's version in the top CMakeLists.txt.
namespace application_identity {

inline constexpr char Name[] = "Varidex625";
inline constexpr char Release[] = VARIDEX_RELEASE;

inline QString name()
{
    return QString::fromLatin1(Name);
}

inline QString release()
{
    return QString::fromLatin1(Release);
}

} // namespace application_identity
