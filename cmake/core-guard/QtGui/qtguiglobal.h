// Stands first on the include path of Korvane's core libraries, in front of Qt's own header of
// this name, which every QtGui header includes: a core library links Qt Core only.
#error "korvane: a core library includes a QtGui header; widgets and pictures belong in the widget libraries"
