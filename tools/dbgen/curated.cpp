#include "curated.h"

#include "engine/AccentForms.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string_view>

namespace dbgen {

namespace {

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string Roman(int n) {
    static constexpr std::array<std::pair<int, const char*>, 9> kDigits = {{{100, "c"},
                                                                            {90, "xc"},
                                                                            {50, "l"},
                                                                            {40, "xl"},
                                                                            {10, "x"},
                                                                            {9, "ix"},
                                                                            {5, "v"},
                                                                            {4, "iv"},
                                                                            {1, "i"}}};
    std::string out;
    for (const auto& [value, text] : kDigits)
        for (; n >= value; n -= value) out += text;
    return out;
}

} // namespace

// The engine's own table, so the database holds exactly the records its missed-short-form check
// searches for; a word the table names twice is wanted once.
std::vector<AccentForm> AccentForms() {
    std::vector<AccentForm> forms;
    for (const AccentRow& row : AccentRows()) {
        const bool seen = std::any_of(forms.begin(), forms.end(),
                                      [&](const AccentForm& f) { return f.typed == row.typed; });
        if (!seen) forms.push_back({std::string(row.typed), std::string(row.stored)});
    }
    return forms;
}

std::vector<std::string> Contractions() {
    return SplitWords(
        "don't doesn't didn't isn't aren't wasn't weren't hasn't haven't hadn't won't wouldn't "
        "can't couldn't shouldn't mustn't needn't mightn't shan't ain't "
        "I'm I've I'll I'd you're you've you'll you'd he's he'll he'd she's she'll she'd "
        "it's it'll it'd we're we've we'll we'd they're they've they'll they'd "
        "that's that'll that'd there's there'll there'd here's what's what'll what're what'd "
        "who's who'll who'd who've where's where'd when's why's how's how'd let's "
        "could've would've should've might've must've y'all o'clock ma'am");
}

std::vector<CuratedEntry> Phrases() {
    return {
        {"thank you", "ty tku thky"},
        {"thank you very much", "tyvm"},
        {"thanks a lot", "tal thxl"},
        {"thank you for your help", "tyfh"},
        {"thank you for your email", "tyfe"},
        {"thank you in advance", "tia tyia"},
        {"you're welcome", "yw"},
        {"no problem", "np npb"},
        {"by the way", "btw bytw"},
        {"for example", "fex"},
        {"for instance", "fori finst"},
        {"for your information", "fyi fyinf"},
        {"in my opinion", "imo imop"},
        {"to be honest", "tbh"},
        {"as far as I know", "afaik afik"},
        {"I don't know", "idk"},
        {"let me know", "lmk"},
        {"please let me know", "plmk"},
        {"let me know if you have any questions", "lmkq"},
        {"if you have any questions", "iyhq"},
        {"please do not hesitate to contact me", "pdnh"},
        {"please find attached", "pfa"},
        {"I look forward to hearing from you", "ilfh"},
        {"looking forward to hearing from you", "lfth"},
        {"looking forward to", "lft"},
        {"I hope this helps", "ihth"},
        {"I hope you are well", "ihyw"},
        {"I would like to", "iwlt"},
        {"would you like", "wyl"},
        {"could you please", "cyp"},
        {"sorry for the delay", "sftd"},
        {"at your earliest convenience", "ayec"},
        {"as soon as possible", "asap assp"},
        {"as soon as", "assa"},
        {"as well as", "awa"},
        {"as a result", "aar"},
        {"as you know", "ayk"},
        {"as far as", "afa"},
        {"as long as", "asla"},
        {"as usual", "asu"},
        {"as well", "asw aswl"},
        {"in addition", "iad"},
        {"in order to", "iot"},
        {"in other words", "iow"},
        {"in fact", "ifc ifct"},
        {"in terms of", "itof"},
        {"in the meantime", "itm itmt"},
        {"in the future", "itf"},
        {"in the past", "itp itpa"},
        {"in the end", "ite iten"},
        {"in general", "ign igen"},
        {"in particular", "ipa ipart"},
        {"in conclusion", "icn"},
        {"in summary", "ism isum"},
        {"in spite of", "isp ispo"},
        {"in case", "ica"},
        {"just in case", "jic"},
        {"on the other hand", "otoh otho"},
        {"on the one hand", "onoh"},
        {"on the contrary", "otc otco"},
        {"on behalf of", "obo"},
        {"at the moment", "atmo"},
        {"at the same time", "atst"},
        {"at the end of", "ateo"},
        {"at the beginning of", "atbo"},
        {"at least", "atl"},
        {"of course", "ofc"},
        {"a lot of", "alo"},
        {"a little bit", "alb albt"},
        {"each other", "eo"},
        {"even though", "evt"},
        {"even if", "evi"},
        {"according to", "acct accto"},
        {"because of", "bcof"},
        {"instead of", "insto"},
        {"rather than", "rth"},
        {"more than", "mth"},
        {"less than", "lth"},
        {"more or less", "mol mrle"},
        {"sooner or later", "sol srol"},
        {"first of all", "foa"},
        {"last but not least", "lbnl"},
        {"all the best", "atb"},
        {"and so on", "aso"},
        {"with regard to", "wrt"},
        {"with respect to", "wrsp"},
        {"whether or not", "whon"},
        {"for the first time", "fft"},
        {"for the time being", "fttb"},
        {"once upon a time", "ouat"},
        {"right now", "rn rnw"},
        {"all right", "alr"},
        {"good morning", "gm gmng"},
        {"good afternoon", "gaft"},
        {"good evening", "gev gevn"},
        {"good night", "gn"},
        {"good luck", "gdl"},
        {"see you later", "syl"},
        {"see you soon", "sys"},
        {"see you tomorrow", "syt"},
        {"how are you", "hru"},
        {"nice to meet you", "ntmy"},
        {"have a nice day", "hnd"},
        {"have a good weekend", "hagw"},
        {"happy birthday", "hb hbd"},
        {"Happy New Year", "hny"},
        {"Merry Christmas", "mxm"},
        {"Kind regards", "kr krg"},
        {"Best regards", "bsr"},
        {"Best wishes", "bw"},
        {"With best wishes", "wbw"},
        {"Yours sincerely", "ysi"},
        {"Yours faithfully", "yf"},
        {"Dear Sir or Madam", "dsm"},
        {"To whom it may concern", "twimc"},
        {"Ladies and gentlemen", "lgm"},
        {"New York", "nyk"},
        {"New York City", "nyc nyct"},
        {"Los Angeles", "la lax losa"},
        {"San Francisco", "sfo"},
        {"United States", "us usts"},
        {"United States of America", "usoa"},
        {"United Kingdom", "ukd"},
        {"United Nations", "unn"},
        {"European Union", "euu"},
        {"Great Britain", "gbr"},
        {"Middle East", "mde"},
        {"Prime Minister", "pmn"},
        {"World War II", "wwt"},
        {"high school", "hsc"},
        {"ice cream", "icr"},
        {"living room", "lvr"},
        {"credit card", "cc ccd crcd"},
        {"phone number", "phn"},
        {"email address", "ead"},
        {"social media", "smd"},
    };
}

bool IsExcludedWord(const std::string& lowerWord) {
    static const std::vector<std::string> kStems = {"fuck",    "shit",   "cunt",   "nigg",   "fagg",
                                                    "asshole", "bitch",  "whore",  "slut",   "twat",
                                                    "wank",    "douche", "retard", "motherf"};
    static const std::vector<std::string> kWords = SplitWords(
        "don fag fags dyke dykes kike kikes spic spics chink chinks gook gooks wop wops dago "
        "dagos kraut krauts paki pakis jap japs coon coons homo homos tranny trannies negro "
        "negroes sambo darkie darkies redskin redskins squaw squaws wetback wetbacks beaner "
        "beaners raghead ragheads towelhead towelheads cock cocks cocksucker cocksuckers dick "
        "dicks dickhead dickheads prick pricks piss pissing tits titties jackass dumbass "
        "goddamn goddamned goddamnit dammit");
    for (const auto& stem : kStems)
        if (lowerWord.find(stem) != std::string::npos) return true;
    for (const auto& word : kWords)
        if (lowerWord == word) return true;
    return false;
}

std::vector<std::string> TypedTokens() {
    std::vector<std::string> tokens = SplitWords(
        // units
        "km kg cm mm mg ml dl cl kl kb mb gb tb pb kbps mbps gbps hz khz mhz ghz kw kwh mw mwh "
        "mph kph kmh rpm psi dpi ppi px pt em rem vh vw fps bpm db lb lbs oz ft yd mi sq cu ms ns "
        "ps mm cc mah "
        // file types and computing
        "www http https ftp sftp ssh smtp imap pop dns ip tcp udp url uri html htm xhtml css js "
        "json xml yaml yml csv tsv txt pdf doc docx xls xlsx ppt pptx odt ods rtf md jpg jpeg png "
        "gif bmp svg tif tiff webp wav mpeg mpg mov avi mkv flac ogg zip rar gz tgz bz xz tar exe "
        "dll msi iso apk dmg sql php py cpp hpp cxx ts rb pl sh bat cmd ini cfg conf tmp bak usb "
        "hdmi vga cpu gpu ram rom ssd hdd os ui ux api sdk ide gui cli lan wan vpn wifi wlan ascii "
        "utf ansi pc mac cd dvd "
        // chat and correspondence
        "lol lmao rofl omg wtf brb ttyl thx tx pls plz xoxo smh irl afk gg gl hf nvm ikr jk ftw "
        "ps pps nb cc bcc re fwd fw attn eta tba tbd tbc na aka diy faq rsvp eg ie etc vs viz "
        "cf ibid approx misc dept govt inc ltd co corp llc plc "
        // times, dates and titles
        "am pm utc gmt est edt pst pdt cet jan feb mar apr jun jul aug sep sept oct nov dec mon "
        "tue tues wed thu thur thurs fri sat sun mr mrs ms dr st jr sr prof rev hon gen col lt "
        "sgt capt "
        // given names as old letters and records shorten them (EDW. GARDINER signs a letter)
        "wm geo chas jas thos benj robt jno saml edw richd danl "
        // US state codes
        "al ak az ar ca co ct de fl ga hi id il in ia ks ky la me md ma mi mn ms mo mt ne nv nh nj "
        "nm ny nc nd oh ok or pa ri sc sd tn tx ut vt va wa wv wi wy dc");
    for (int n = 1; n <= 100; ++n) tokens.push_back(Roman(n));
    return tokens;
}

} // namespace dbgen
