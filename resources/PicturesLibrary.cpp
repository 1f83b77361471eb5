// qorvane_resources holds no code: qt_add_resources compiles the pictures of
// qorvane.qrc into an object library of its own, which every executable that
// links qorvane_resources receives. CMake still wants a static library to have
// one source file of its own, and this is it.
