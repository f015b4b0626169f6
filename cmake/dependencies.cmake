find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Network Test)
find_package(PkgConfig REQUIRED)
pkg_check_modules(HUNSPELL REQUIRED IMPORTED_TARGET hunspell)
find_package(CURL REQUIRED)

# QScintilla ships no CMake package on Debian.
find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h
          PATH_SUFFIXES x86_64-linux-gnu/qt6 qt6 REQUIRED)
find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6 REQUIRED)
add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
set_target_properties(QScintilla::QScintilla PROPERTIES
  IMPORTED_LOCATION ${QSCINTILLA_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QSCINTILLA_INCLUDE_DIR})
