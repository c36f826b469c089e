// Fixture: literals in calls, one known and two without texts.
void f() {
    lang::messageBox(nullptr, 0x1099002, 0x1000001, 0);
    lang::config(3);
    lang::config(0x20099);
}
