// Stands first on the include path of Korvane's core libraries, in front of Qt's own header of
// this name, which every QtWidgets header includes: a core library links Qt Core only.
#error                                                                                                       \
    "korvane: a core library includes a QtWidgets header; widgets and pictures belong in the widget libraries"
