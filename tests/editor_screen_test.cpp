#include "editor/editor_screen.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <iterator>
#include <string>
#include <vector>

#include "editor/editor_model.h"
#include "engine/log.h"
#include "hero_test_pixels.h"
#include "engine/state_manager.h"
#include "entities/game_object.h"
#include "input/input.h"
#include "level/object_types.h"
#include "level_text.h"
#include "screens/blank_screen.h"
#include "support/headless.h"
#include "world/world.h"

namespace {
const int kGrass = 1;

class EditorScreenTest : public testing::Test {
 protected:
  LevelEditor editor;
  BlankScreen title;
  Uint8* keys = nullptr;

  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    ASSERT_TRUE(OpenLog("log.txt"));
    InitEntityNames();
    stateManager.AddState(&title, "TitleScreen");
    keys = SDL_GetKeyState(nullptr);
    inputEvent.type = SDL_NOEVENT;
    mouseLeftDown = false;
    mouseRightClicked = false;
    editor.Init();
  }
  void TearDown() override {
    editor.Cleanup();
    for (SDLKey key : {SDLK_ESCAPE, SDLK_RETURN, SDLK_a, SDLK_s, SDLK_d, SDLK_w}) keys[key] = 0;
    stateManager.pending = false;
    CloseLog();
  }

  void Frame() {
    editor.HandleEvents();
    editor.Logic();
    editor.Render();
  }
  // A key-down event as the input poll leaves it; it stays in place until something replaces it.
  void Press(SDLKey key, int modifiers = KMOD_NONE) {
    inputEvent.type = SDL_KEYDOWN;
    inputEvent.key.keysym.sym = key;
    inputEvent.key.keysym.mod = static_cast<SDLMod>(modifiers);
    Frame();
  }
  // A click as a player makes it: the button stays down for a few frames.
  void ClickAt(int x, int y) {
    mouseX = x;
    mouseY = y;
    mouseLeftDown = true;
    Frame();
    Frame();
    mouseLeftDown = false;
    Frame();
  }
  // A frame as the main loop runs it: one event from the queue, then the screen.
  void PolledFrame() {
    PollInput();
    Frame();
  }
  void PushMouse(Uint8 type, Uint8 button) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = static_cast<Uint16>(mouseX);
    event.button.y = static_cast<Uint16>(mouseY);
    SDL_PushEvent(&event);
  }
  // What the save dialog's name field shows.
  std::vector<Uint32> NameField() { return Region(173, 220, 294, 30); }
  void ClickSave() { ClickAt(538, 372); }
  void ClickOk() { ClickAt(340, 264); }
  void ClickNew() { ClickAt(508, 372); }
  void ClickLoad() { ClickAt(568, 372); }
  void Type(const std::string& letters) {
    for (char c : letters) Press(c == ' ' ? SDLK_SPACE : static_cast<SDLKey>(SDLK_a + (c - 'a')));
  }
  void ChooseFirstCustomLevel() {
    ClickLoad();
    ASSERT_TRUE(editor.dialog.IsOpen());
    keys[SDLK_RETURN] = 1;
    Frame();
    keys[SDLK_RETURN] = 0;
  }
};
}  // namespace

TEST_F(EditorScreenTest, NamesTakeLettersAndBlanksAndEscapeDropsThem) {
  ClickSave();
  ASSERT_TRUE(editor.saveDialogOpen);
  EXPECT_EQ("NewLevel", editor.saveName);
  for (int i = 0; i < 9; ++i) Press(SDLK_BACKSPACE);
  EXPECT_EQ("", editor.saveName);

  Press(SDLK_a, KMOD_LSHIFT);
  Press(SDLK_b, KMOD_CAPS | KMOD_LSHIFT);
  Press(SDLK_c, KMOD_CAPS);
  Press(SDLK_d, KMOD_RSHIFT | KMOD_NUM);
  Press(SDLK_e, KMOD_LCTRL | KMOD_LSHIFT);
  Press(SDLK_1);
  Press(SDLK_SLASH);
  Press(SDLK_PERIOD);
  Press(SDLK_SPACE);
  EXPECT_EQ("AbCDe ", editor.saveName);
  // The event stays current until the next one arrives; it must not type again.
  Frame();
  Frame();
  EXPECT_EQ("AbCDe ", editor.saveName);

  Type("fghijklmnopqrstu");
  EXPECT_EQ(20u, editor.saveName.size());
  Press(SDLK_z);
  Press(SDLK_SPACE);
  EXPECT_EQ("AbCDe fghijklmnopqrs", editor.saveName);

  keys[SDLK_ESCAPE] = 1;
  Press(SDLK_ESCAPE);
  EXPECT_EQ("TitleScreen", stateManager.pendingKey);
  EXPECT_TRUE(boost::filesystem::is_empty("Levels/Custom"));
}

TEST_F(EditorScreenTest, OkSavesUnderTheTypedNameButTheNextSaveAsksAgain) {
  Press(SDLK_RIGHT);
  ClickAt(40, 40);
  ClickSave();
  for (int i = 0; i < 8; ++i) Press(SDLK_BACKSPACE);
  Type("my hill");
  ClickOk();
  EXPECT_FALSE(editor.saveDialogOpen);
  const std::string saved = ReadFile("Levels/Custom/my hill.level");
  EXPECT_NE(std::string::npos, saved.find("\n0 1 0 ")) << saved;
  // The click on OK lies over the map; it must not paint there once the dialog is gone.
  EXPECT_EQ(0, EditorGetCell(340 / 32, 264 / 32));

  ClickSave();
  EXPECT_TRUE(editor.saveDialogOpen);
  EXPECT_EQ("NewLevel", editor.saveName);
  for (int i = 0; i < 8; ++i) Press(SDLK_BACKSPACE);
  ClickOk();
  EXPECT_TRUE(editor.saveDialogOpen);
  ClickAt(297, 264);
  EXPECT_FALSE(editor.saveDialogOpen);
  const auto files = std::distance(boost::filesystem::directory_iterator("Levels/Custom"),
                                   boost::filesystem::directory_iterator());
  EXPECT_EQ(1, files);
}

TEST_F(EditorScreenTest, ARefusedNameIsExplainedInTheDialogUntilTheNextKey) {
  ClickSave();
  for (int i = 0; i < 8; ++i) Press(SDLK_BACKSPACE);
  const std::vector<Uint32> empty = NameField();
  ClickOk();
  EXPECT_TRUE(editor.saveDialogOpen);
  EXPECT_NE(empty, NameField()) << "OK on an empty name must say why nothing was saved";
  Press(SDLK_BACKSPACE);
  EXPECT_EQ(empty, NameField());
}

TEST_F(EditorScreenTest, AFailedSaveKeepsTheDialogUp) {
  boost::filesystem::create_directory("Levels/Custom/NewLevel.level");
  ClickSave();
  ClickOk();
  EXPECT_TRUE(editor.saveDialogOpen);
}

TEST_F(EditorScreenTest, ALoadedLevelIsSavedBackAtOnceUntilNew) {
  WriteText("Levels/Custom/castle.level", LevelText(3, 2, {"0 0 0", "1 1 1"}, "Money 10 5\n"));
  ChooseFirstCustomLevel();
  EXPECT_TRUE(editor.hasPath);
  EXPECT_EQ(3, editorWidth);
  ASSERT_EQ(1u, editorEntities.size());

  Press(SDLK_RIGHT);
  ClickAt(1, 1);
  ClickSave();
  EXPECT_FALSE(editor.saveDialogOpen);
  EXPECT_EQ(TumboLayers() + "3\n2\n1 0 0 \n1 1 1 \nMoney 10 5\n", ReadFile("Levels/Custom/castle.level"));

  ClickNew();
  EXPECT_TRUE(editorEntities.empty());
  EXPECT_EQ(30, editorWidth);
  ClickSave();
  EXPECT_TRUE(editor.saveDialogOpen);
}

TEST_F(EditorScreenTest, ALevelThatCouldNotBeReadIsNeverSavedOver) {
  const std::string broken = TumboLayers() + "2000\n2\n1 1\n";
  WriteText("Levels/Custom/huge.level", broken);
  ChooseFirstCustomLevel();
  EXPECT_FALSE(editor.hasPath);
  ClickSave();
  EXPECT_TRUE(editor.saveDialogOpen);
  EXPECT_EQ(broken, ReadFile("Levels/Custom/huge.level"));
}

TEST_F(EditorScreenTest, OnlyClicksStrictlyInsideTheMapViewPaint) {
  Press(SDLK_RIGHT);
  const int edges[][2] = {{0, 100}, {100, 0}, {480, 100}, {100, 480}, {479, 600}};
  for (const auto& at : edges) ClickAt(at[0], at[1]);
  for (int row = 0; row < kEditorRows; ++row) {
    for (int col = 0; col < 20; ++col) ASSERT_EQ(0, EditorGetCell(col, row)) << col << "," << row;
  }
  ClickAt(1, 1);
  ClickAt(479, 479);
  EXPECT_EQ(kGrass, EditorGetCell(0, 0));
  EXPECT_EQ(kGrass, EditorGetCell(14, 14));
}

TEST_F(EditorScreenTest, PaletteKeysActOncePerPressHoweverLongHeld) {
  Press(SDLK_RIGHT);
  for (int i = 0; i < 40; ++i) Frame();
  EXPECT_EQ(1, selectedTile);
  Press(SDLK_LEFT);
  Press(SDLK_LEFT);
  EXPECT_EQ(16, selectedTile);
  Press(SDLK_UP);
  Frame();
  EXPECT_EQ(1, selectedEntity);
  Press(SDLK_DOWN);
  Press(SDLK_DOWN);
  EXPECT_EQ(21, selectedEntity);
  Press(SDLK_UP);
  EXPECT_EQ(0, selectedEntity);
  Press(SDLK_n);
  EXPECT_EQ(4, themeIndex);
  Press(SDLK_m);
  Press(SDLK_m);
  EXPECT_EQ(1, themeIndex);
}

TEST_F(EditorScreenTest, RightClickPlacesTheSelectedObjectOnlyOverTheMap) {
  Press(SDLK_UP);
  ASSERT_EQ("Money", entityNames[selectedEntity]);
  keys[SDLK_s] = 1;
  Frame();
  keys[SDLK_s] = 0;
  mouseX = 100;
  mouseY = 50;
  mouseRightClicked = true;
  Frame();
  mouseX = 500;
  Frame();
  mouseRightClicked = false;
  ASSERT_EQ(1u, editorEntities.size());
  EXPECT_EQ(100, editorEntities[0]->x);
  EXPECT_EQ(54, editorEntities[0]->y);
}

TEST_F(EditorScreenTest, OneRightClickPlacesOneObjectHoweverLongItIsHeld) {
  // Through the input poll, which keeps a press current until the next event arrives.
  mouseX = 100;
  mouseY = 50;
  for (int click = 1; click <= 2; ++click) {
    PushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    for (int i = 0; i < 15; ++i) PolledFrame();
    EXPECT_EQ(static_cast<size_t>(click), editorEntities.size());
    PushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    PolledFrame();
  }
}

TEST_F(EditorScreenTest, HelpTakesTheInputUntilReturn) {
  Press(SDLK_RIGHT);
  ClickAt(598, 372);
  EXPECT_TRUE(editor.helpOpen);
  ClickAt(40, 40);
  EXPECT_EQ(0, EditorGetCell(1, 1));
  keys[SDLK_RETURN] = 1;
  Frame();
  keys[SDLK_RETURN] = 0;
  EXPECT_FALSE(editor.helpOpen);
  ClickAt(40, 40);
  EXPECT_EQ(kGrass, EditorGetCell(1, 1));
}
