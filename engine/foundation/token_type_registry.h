#pragma once
// The process-wide table of token-type names, and the module counter that
// builds it.  Every source that uses token types holds a Token_ModuleInit in
// its static initialisation: the first one constructed anywhere builds the
// registry and the last one destroyed frees it, so the registry exists before
// any source's own initialisation reads it, whatever the link order.
#include <map>
#include <string>

#include "engine/foundation/token.h"

class TokenTypeRegistry {
public:
    // Holds "Bad" 0 and "EOF" 1.
    TokenTypeRegistry();

    // The process-wide registry: built (when absent) by AssureSingletonConstructed,
    // freed by Kill; Get() is null outside that time.
    static void AssureSingletonConstructed();
    static TokenTypeRegistry* Get();
    static void Kill();

    // Registers the name with the type and returns the type.  A name already
    // registered keeps its type, which is returned.  Type 0 asks for the
    // lowest free type.  Refused, with 0 returned and nothing changed: a null
    // name, a type another name holds, type 0 when every type is taken.
    TokenTypeID Register(char const* name, TokenTypeID id);
    // 0 for an unknown name.
    TokenTypeID NameToTokenTypeID(std::string const& name) const;
    // The lowest type no name holds; 0 when every type is taken.
    TokenTypeID UniqueID() const;
    // False, and *name unchanged, for a type no name holds.
    bool GetName(TokenTypeID id, std::string* name) const;

private:
    std::map<TokenTypeID, std::string> fNames;
    std::map<std::string, TokenTypeID> fTypes;
};

class Token_ModuleInit {
public:
    Token_ModuleInit();
    ~Token_ModuleInit();
    Token_ModuleInit(Token_ModuleInit const&) = delete;
    Token_ModuleInit& operator=(Token_ModuleInit const&) = delete;

    static unsigned sCount;
};
