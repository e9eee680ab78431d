/* The body of a stand-in library that only lends a plug-in its name (for a
 * plug-in that seems to need another major version of Qt). */
__attribute__((visibility("default"))) int tolvex_stand_in_library;
