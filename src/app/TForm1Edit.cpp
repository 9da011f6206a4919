// The main window's editing handlers: flags, memo, new quests, modification and deletion.

#include "TForm1.h"

#include "browser/AreaLists.h"

namespace korvane {

void TForm1::Memo3Change() {
    Button2->setVisible(true);
}

void TForm1::ComboBox3Change() {
    fillEditAreas(*ComboBox3, *ComboBox4);
}

} // namespace korvane
