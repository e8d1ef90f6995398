#pragma once

/* The interface between Velmorant and its plug-in libraries. Plain C layout, so that neither
   side depends on how a compiler lays out C++ classes: the host object is a pointer to a
   table of function pointers. Nothing that one side allocates is freed by the other; the
   host copies every text it is given. */

#ifdef __cplusplus
extern "C" {
#endif

/* The calling convention of the host object's operations. x86-64 has only one, and the
   compiler ignores the keyword there; it matters for a 32-bit build. */
#define VELMORANT_PLUGIN_API __stdcall

typedef struct TIPluginDemo TIPluginDemo;

/* A plug-in command's click handler: the data pointer given to AddMenuItem, then the menu
   item chosen (the sender, opaque to the plug-in). */
typedef void (*TPluginClickHandler)(void* data, void* sender);

/* The host object's operations, in slot order. */
typedef struct TIPluginDemoTable {
    /* The host's application object; changes nothing. */
    void*(VELMORANT_PLUGIN_API* GetApplication)(TIPluginDemo* self);
    /* Appends a command to the host's "Type" menu: caption (zero-terminated CP1251 text,
       "-" for a separator), click handler (may be null: a command without effect), data. */
    void(VELMORANT_PLUGIN_API* AddMenuItem)(TIPluginDemo* self, const char* caption,
                                            TPluginClickHandler code, void* data);
    /* Accepts a text and ignores it. */
    void(VELMORANT_PLUGIN_API* ReceiveText)(TIPluginDemo* self, const char* text);
} TIPluginDemoTable;

/* The host object handed to a plug-in. It belongs to the host and lives for the whole run. */
struct TIPluginDemo {
    const TIPluginDemoTable* Table;
};

/* The export every plug-in has, under exactly this name: called once, right after loading,
   with the plug-in's own host object. */
typedef void (*TInitPlugin)(TIPluginDemo* host);
#define VELMORANT_INIT_PLUGIN "InitPlugin"

#ifdef __cplusplus
}
#endif
