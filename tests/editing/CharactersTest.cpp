// A new character's checklist: what it takes of the data set from the one it is made from.

#include "editing/Characters.h"
#include "editing/Checklist.h"
#include "store/DataFiles.h"
#include "support/TempFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korvane;

// What each quest needs is the data set's, as the table is: taken whichever way it is made.
TEST(Characters, ANewCharacterTakesWhatEachQuestNeeds) {
    for (const NewCharacter how : {NewCharacter::Fresh, NewCharacter::FullCopy}) {
        QTemporaryDir main;
        test::writeBytes(files::inFolder(main.path(), files::kQuestTable),
                         "0001,N,A,a,p,c,1,1,0\r\n0002,N,A,b,p,c,0,0,0\r\n");
        test::writeBytes(files::inFolder(main.path(), files::kChains), "0002,0001\r\n");
        Checklist from(main.path());
        from.load();
        const QString folder = main.filePath("sub");
        makeCharacterChecklist(from, folder, how);
        EXPECT_EQ(test::readBytes(files::inFolder(folder, files::kChains)), "0002,0001\r\n");
    }
}
