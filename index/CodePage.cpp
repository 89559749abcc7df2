// The rules of the code page that the ANSI API speaks in this process.
#include "index/CodePage.h"

static_assert(sizeof CodePageRules::leadBytes == MAX_LEADBYTES, "lead-byte ranges as CPINFO lists them");

CodePageRules CodePageRulesOf(UINT codePage)
{
    CodePageRules rules;
    if (codePage == CP_UTF8) {
        rules.utf8 = true;
        return rules;
    }
    CPINFO info;
    if (GetCPInfo(codePage, &info)) {
        CopyMemory(rules.leadBytes, info.LeadByte, sizeof rules.leadBytes);
    }
    return rules;
}

CodePageRules ActiveCodePageRules()
{
    return CodePageRulesOf(GetACP());
}
