# Core (Widgets-free) sources of the editors subsystem: encodings and codecs.
set(ZR_EDITORS_CORE_SOURCES
)
