# The player component's parts that need neither Qt nor libmpv (references,
# load tracking, movie geometry, the readers of file formats), relative to
# src/. One list for the program's library (src/CMakeLists.txt) and the fuzz
# build (fuzz/CMakeLists.txt).
set(REELWICK_PLAYER_PURE_SOURCES
  platform/mpv/References.h
  platform/mpv/References.cpp
  platform/mpv/LoadTracker.h
  platform/mpv/LoadTracker.cpp
  platform/mpv/MovieGeometry.h
  platform/mpv/MovieGeometry.cpp
  platform/mpv/Playlists.h
  platform/mpv/Playlists.cpp
  platform/mpv/StillPicture.h
  platform/mpv/StillPicture.cpp
  platform/mpv/MacPaint.h
  platform/mpv/MacPaint.cpp
  platform/mpv/Pict.h
  platform/mpv/Pict.cpp
  platform/mpv/PictBits.h
  platform/mpv/PictBits.cpp
)
