# The drawing layer writes screenshots as PNG files with zlib's deflate.
find_package(ZLIB REQUIRED)
target_link_libraries(skyreach_core PUBLIC ZLIB::ZLIB)
