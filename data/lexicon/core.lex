# The engine's core English-Japanese lexicon.  tools/gen_lexicon.py turns it
# into data/lexicon/core.txt; the build compiles that into the system
# dictionary e2j uses by default.  Format: doc/core-lexicon.md.
#
#   CATEGORY HEADWORD COOKED [JPOS] [key=value ...]
#
# "_" in a headword or a form stands for a space.

# ---- Punctuation and the preparser's pseudo-words --------------------------------
PERIOD     .                 {。}
INTERROG   ?                 {？}
EXCLAM     !                 {！}
COMMA      ,                 {、}
COLON      :                 {：}
SEMICOLON  ;                 {；}
LPAREN     (                 {（}
RPAREN     )                 {）}
LPAREN     [                 {［}
RPAREN     ]                 {］}
LPAREN     {                 {｛}
RPAREN     }                 {｝}
DASH       -                 {－}
CONJ       &                 {＆}          CONJ
PERIOD     zxjPRDor0         {。}
EXCLAM     zxjEXMRKor0       {！}
EXCLAM     zxjEXMRKorPRD     {！}
INTERROG   zxjQMARKor0       {？}
INTERROG   zxjQMARKorPRD     {？}
OPENQ      zxjOPENQ          {「}
CLOSEQ     zxjCLOSEQ         {」}
DASH       zxjDASH           {―}
DASH       zxqHYPHEN         {－}
DASH       zxjDOTDOT         {…}
COLON      zxjCOLON_NOSPACE  {：}
5SKIP      zxjCR             {}
5SKIP      zxjTAB            {}
5SKIP      zxjBULLET         {・}
MATHSYMBOL zxjMINUS          {－}
MATHSYMBOL zxjPLUS           {＋}

# Clock suffixes the preparser splits off a number ("7pm"); lookups ignore
# ASCII case, so "AM" finds "am".
TIMEadv    am                {午前}        N
TIMEadv    a.m               {午前}        N
TIMEadv    pm                {午後}        N
TIMEadv    p.m               {午後}        N

# ---- Determiners and pronouns ------------------------------------------------------
# Determiner sets: number, person, definite, case (N nominative, A
# accusative, B both), wh.
ART    the     {}            DET  f0=M31B0
POSS   's      {の}          OTHER
ART    a       {}            DET  f0=S30B0
ART    an      {}            DET  f0=S30B0
ART    some    {いくつかの}  DET  f0=M30B0
ART    every   {全ての}      DET  f0=S31B0
ART    my      {私の}        DET  f0=M11B0
ART    your    {あなたの}    DET  f0=M21B0
ART    his     {彼の}        DET  f0=M31B0
ART    her     {彼女の}      DET  f0=M31B0
ART    its     {その}        DET  f0=M31B0
ART    our     {私達の}      DET  f0=M11B0
ART    their   {彼らの}      DET  f0=M31B0
THIS   this    {この}        DET  f0=S31B0
THIS   that    {あの}        DET  f0=S31B0
THIS   these   {これらの}    DET  f0=P31B0
THIS   those   {あれらの}    DET  f0=P31B0
PRN    I       {私}          N    f0=S11N0  sem=human
PRN    me      {私}          N    f0=S11A0  sem=human
PRN    you     {あなた}      N    f0=M21B0  sem=human
PRN    he      {彼}          N    f0=S31N0  sem=human
PRN    him     {彼}          N    f0=S31A0  sem=human
PRN    she     {彼女}        N    f0=S31N0  sem=human
PRN    her     {彼女}        N    f0=S31A0  sem=human
PRN    it      {それ}        N    f0=S31B0
PRN    we      {私達}        N    f0=P11N0  sem=human
PRN    us      {私達}        N    f0=P11A0  sem=human
PRN    they    {彼ら}        N    f0=P31N0
PRN    them    {彼ら}        N    f0=P31A0
PRN    this    {これ}        N    f0=S31B0
PRN    that    {あれ}        N    f0=S31B0
PRN    these   {これら}      N    f0=P31B0
PRN    those   {あれら}      N    f0=P31B0
WHAT   what    {何}          N    f0=M31B1
WHAT   who     {誰}          N    f0=M31B1
WHAT   which   {どれ}        N    f0=M31B1
WHAT   whom    {誰}          N    f0=M31A1
# "that" opens a relative clause only: it asks no question.
WHAT   that    {}            N    f0=M31B0
# Question adverbs; "where" with a verb of being or going is どこに (analysis rules).
WHQADV where   {どこで}      ADV
WHQADV when    {いつ}        ADV
WHQADV why     {なぜ}        ADV
WHQADV how     {どうやって}  ADV

# ---- Auxiliaries and negation ----------------------------------------------------------
# Verb sets: form (B base, P present, S third person, D past, N participle,
# G -ing), tense, transitive, passive, subject number and person,
# progressive, perfect, negated, modal, that, to-infinitive, -ing, particle,
# phrasal, then what the grammar sets.  "don't" reaches the parser as "don"
# and "'t", "I'm" as "I" and "'m": the contracted forms are forms of their
# own.  "was" fits "I" as well as "he".
BE       be    {}dear-  OTHER  f0=B1I0__0000000_0_________  forms=am:P1I0P10000000_0_________,is:S1I0S30000000_0_________,are:P1I0__0000000_0_________,was:D2I0M_0000000_0_________,were:D2I0__0000000_0_________,been:N0I0__0100000_0_________,being:G0I0__0000000_0_________,'m:P1I0P10000000_0_________,'s:S1I0S30000000_0_________,'re:P1I0__0000000_0_________,isn:S1I0S30000000_0_________,aren:P1I0__0000000_0_________,wasn:D2I0M_0000000_0_________,weren:D2I0__0000000_0_________
AUX      do    {}       OTHER  f0=B1I0__0000000_0_________  forms=does:S1I0S30000000_0_________,did:D2I0__0000000_0_________,don:B1I0__0000000_0_________,doesn:S1I0S30000000_0_________,didn:D2I0__0000000_0_________
AUX      have  {}       OTHER  f0=B1I0__0100000_0_________  forms=has:S1I0S30100000_0_________,had:D2I0__0100000_0_________,'ve:B1I0__0100000_0_________,'s:S1I0S30100000_0_________,haven:B1I0__0100000_0_________,hasn:S1I0S30100000_0_________,hadn:D2I0__0100000_0_________
AUXWILL  will  {}       AuxWill  f0=B1I0__0001000_0_________  forms=would:D2I0__0001000_0_________,'ll:B1I0__0001000_0_________,won:B1I0__0001000_0_________,wouldn:D2I0__0001000_0_________
AUXCAN   can   {}       OTHER  f0=B1I0__0001000_0_________  forms=could:D2I0__0001000_0_________,couldn:D2I0__0001000_0_________
AUXMUST  must  {}       OTHER  f0=B1I0__0001000_0_________  forms=mustn:B1I0__0001000_0_________
AUXMUST  should  {}     OTHER  f0=B1I0__0001000_0_________  forms=shouldn:B1I0__0001000_0_________
AUXMAY   may   {}       OTHER  f0=B1I0__0001000_0_________  forms=might:B1I0__0001000_0_________
HADBETTER  had_better  {}  OTHER  f0=B1I0__0001000_0_________
Not      not   {}       OTHER
Not      't    {}       OTHER
TO       to    {}       OTHER
TO       in_order_to    {}       OTHER
GOINGTO  going_to  {}   OTHER  f0=G0I0__0000000_0_________

# ---- Conjunctions and other function words ----------------------------------------------
CONJ      and      {と}          CONJ
CONJ      or       {または}      CONJ
CONJ      but      {しかし}      CONJ
SCONJ     because  {ので}        CONJ
IF        if       {もし}        CONJ
CONJwhen  when     {とき}        CONJ
CONJbefore before  {前に}        CONJ
CONJafter after    {後で}        CONJ
CONJthat  that     {ということ}  CONJ
CONJso    so       {だから}      CONJ
THAN      than     {より}        OTHER
YES       yes      {はい}        OTHER
HELLO     hello    {こんにちは}  OTHER
PLEASE    please   {どうぞ}      OTHER
LetUs     let      {}            OTHER

# ---- Prepositions -------------------------------------------------------------------------
# Each names itself as a particle, so that readings needing it stay where it
# stands.
PREP  in           {で}
PREP  on           {の上で}
PREP  at           {で}
PREP  to           {に}
PREP  from         {から}
PREP  with         {と}
PREP  for          {のために}
PREP  of           {の}
PREP  about        {について}
PREP  by           {によって}
PREP  into         {の中へ}
PREP  under        {の下で}
PREP  after        {の後で}
PREP  before       {の前に}
PREP  near         {の近くで}
PREP  over         {の上に}
PREP  through      {を通って}
PREP  during       {の間}
PREP  without      {なしで}
PREP  behind       {の後ろで}
PREP  between      {の間で}
PREP  around       {の周りで}
PREP  until        {まで}
PREP  since        {以来}
# Preferred always: over its span it is kept alone.
PREP  in_front_of  {の前で}  idiom=5

# ---- Verbs ----------------------------------------------------------------------------------
# VT01 transitive, VI01 intransitive.  Every form is stored: irregular ones
# as given, the others spelt by rule.  needs=P: the reading stands only where the
# preposition P does.  transplant: the particle the object takes.
# subj=, obj=: what the subject and the object must be; pp=P:ATOM: a
# phrase of preposition P the verb takes well.
VI01  go          {行}k-        VCik  third=goes past=went pastpart=gone
VT01  go          {行}k-        VCik  third=goes past=went pastpart=gone needs=to transplant=NP:+ni
VI01  come        {来}-         Vku   past=came pastpart=come ing=coming
VI01  come_in     {入}r-        VCr   third=comes_in past=came_in pastpart=come_in ing=coming_in
VT01  see         {見}-         VV    past=saw pastpart=seen ing=seeing
VT01  eat         {食べ}-       VV    past=ate pastpart=eaten subj=animate obj=food pp=with:instrument
VT01  take        {取}r-        VCr   past=took pastpart=taken
VT01  make        {作}r-        VCr   past=made pastpart=made
VT01  say         {言}w-        VCw   past=said pastpart=said
VT01  get         {得}-         VV    past=got pastpart=got
VT01  give        {与え}-       VV    past=gave pastpart=given pp=to:human
VT01  check       {調べ}-       VV
VT01  know        {知}r-        VCr   past=knew pastpart=known
VI01  know        {知}r-        VCr   past=knew pastpart=known
VT01  think       {思}w-        VCw   past=thought pastpart=thought
VT01  find        {見つけ}-     VV    past=found pastpart=found
VT01  tell        {話}s-        VCs   past=told pastpart=told
VI01  become      {な}r-        VCr   past=became pastpart=become ing=becoming
VT01  leave       {去}r-        VCr   past=left pastpart=left
VT01  feel        {感じ}-       VV    past=felt pastpart=felt
VT01  bring       {持って来}-   Vku   past=brought pastpart=brought
VT01  begin       {始め}-       VV    past=began pastpart=begun ing=beginning takes=to,ing
VT01  keep        {保}t-        VCt   past=kept pastpart=kept
VT01  hold        {持}t-        VCt   past=held pastpart=held
VT01  write       {書}k-        VCk   past=wrote pastpart=written subj=human obj=communication,document pp=with:instrument
VI01  stand       {立}t-        VCt   past=stood pastpart=stood
VT01  hear        {聞}k-        VCk   past=heard pastpart=heard
VI01  run         {走}r-        VCr   past=ran pastpart=run ing=running
VT01  run         {経営}su-     Vsu   past=ran pastpart=run ing=running obj=organization p=-20
VI01  run         {流れ}-       VV    past=ran pastpart=run ing=running p=-20
VT01  meet        {会}w-        VCw   past=met pastpart=met transplant=NP:+ni
VI01  sit         {座}r-        VCr   past=sat pastpart=sat ing=sitting
VI01  sing        {歌}w-        VCw   past=sang pastpart=sung
VT01  sing        {歌}w-        VCw   past=sang pastpart=sung
VI01  speak       {話}s-        VCs   past=spoke pastpart=spoken
VT01  speak       {話}s-        VCs   past=spoke pastpart=spoken
VT01  read        {読}m-        VCm   past=read pp=in:place
VT01  buy         {買}w-        VCw   past=bought pastpart=bought
VT01  sell        {売}r-        VCr   past=sold pastpart=sold
VT01  send        {送}r-        VCr   past=sent pastpart=sent
VT01  build       {建て}-       VV    past=built pastpart=built
VT01  lose        {失}w-        VCw   past=lost pastpart=lost
VT01  pay         {払}w-        VCw   past=paid pastpart=paid
VT01  teach       {教え}-       VV    past=taught pastpart=taught
VT01  catch       {捕まえ}-     VV    past=caught pastpart=caught
VI01  fall        {落ち}-       VV    past=fell pastpart=fallen
VI01  fly         {飛}b-        VCb   past=flew pastpart=flown
VT01  drive       {運転}su-     Vsu   past=drove pastpart=driven
VT01  drink       {飲}m-        VCm   past=drank pastpart=drunk subj=animate obj=drink pp=with:instrument
VI01  sleep       {眠}r-        VCr   past=slept pastpart=slept
VI01  swim        {泳}g-        VCg   past=swam pastpart=swum ing=swimming
VT01  win         {勝}t-        VCt   past=won pastpart=won ing=winning
VT01  understand  {理解}su-     Vsu   past=understood pastpart=understood
VT01  forget      {忘れ}-       VV    past=forgot pastpart=forgotten ing=forgetting
VT01  show        {見せ}-       VV    past=showed pastpart=shown
# Owning is a state in Japanese: 持っている, 持っていた.
VT01  have        {持ってい}-   VV    third=has past=had pastpart=had takes=to
VT01  do          {}su-         Vsu   third=does past=did pastpart=done
VI01  walk        {歩}k-        VCk
VI01  talk        {話}s-        VCs
VI01  work        {働}k-        VCk
# Living somewhere is a state: 住んでいる.
VI01  live        {住んでい}-   VV    pp=in:place
# Staying somewhere is being there; "it" of the weather has no Japanese
# (analysis rules).
VI01  stay        {い}-         VV
VI01  rain        {雨が降}r-    VCr
VI01  play        {遊}b-        VCb
VT01  play        {弾}k-        VCk   obj=instrument
VT01  like        {好}m-        VCm   takes=to,ing
VT01  love        {愛}su-       Vsu
VT01  want        {欲しが}r-    VCr   takes=to
VT01  need        {必要と}su-   Vsu   takes=to
VT01  use         {使}w-        VCw
VT01  help        {助け}-       VV
VT01  open        {開け}-       VV
VT01  close       {閉め}-       VV
VT01  start       {始め}-       VV    takes=to,ing
VT01  stop        {止め}-       VV    past=stopped ing=stopping
VT01  call        {呼}b-        VCb
VT01  ask         {尋ね}-       VV
VT01  answer      {答え}-       VV
VT01  watch       {見}-         VV
VI01  look        {見}-         VV
VT01  look        {見}-         VV    needs=at transplant=NP:+wo
VI01  wait        {待}t-        VCt
VT01  wait        {待}t-        VCt   needs=for transplant=NP:+wo
VI01  arrive      {着}k-        VCk
VI01  return      {戻}r-        VCr
VT01  study       {勉強}su-     Vsu
VT01  learn       {学}b-        VCb
VT01  visit       {訪問}su-     Vsu
VT01  cook        {料理}su-     Vsu
VT01  clean       {掃除}su-     Vsu
VT01  wash        {洗}w-        VCw
VT01  carry       {運}b-        VCb
VI01  move        {動}k-        VCk
VT01  change      {変え}-       VV
VI01  travel      {旅行}su-     Vsu
VI01  laugh       {笑}w-        VCw
VI01  cry         {泣}k-        VCk
VI01  die         {死}n-        VCn
VI01  happen      {起こ}r-      VCr
VI01  depend      {依}r-        VCr
VT01  depend      {頼}r-        VCr   needs=on transplant=NP:+ni
VT01  listen      {聞}k-        VCk   needs=to transplant=NP:+wo
VT01  believe     {信じ}-       VV
VT01  bear        {耐え}-       VV    past=bore pastpart=born
VT01  remember    {覚え}-       VV
VT01  try         {試}m-        VCm   takes=to
VT01  finish      {終え}-       VV    takes=ing
VT01  enjoy       {楽し}m-      VCm   takes=ing
VT01  enter       {入}r-        VCr   transplant=NP:+ni
VT01  climb       {登}r-        VCr
VT01  push        {押}s-        VCs
VT01  break       {壊}s-        VCs   past=broke pastpart=broken
VT01  pull        {引}k-        VCk

# ---- Adjectives -------------------------------------------------------------------------------
ADJ  good         {良}-        ADJ   comparative=better superlative=best
ADJ  bad          {悪}-        ADJ   comparative=worse superlative=worst
ADJ  many         {多}-        ADJ   comparative=more superlative=most
ADJ  much         {多}-        ADJ   comparative=more superlative=most
ADJ  little       {少な}-      ADJ   comparative=less superlative=least
ADJ  big          {大き}-      ADJ   comparative=bigger superlative=biggest
ADJ  small        {小さ}-      ADJ   comparative=smaller superlative=smallest
ADJ  large        {大き}-      ADJ   comparative=larger superlative=largest
ADJ  long         {長}-        ADJ   comparative=longer superlative=longest
ADJ  short        {短}-        ADJ   comparative=shorter superlative=shortest
ADJ  high         {高}-        ADJ   comparative=higher superlative=highest
ADJ  tall         {高}-        ADJ   comparative=taller superlative=tallest
ADJ  low          {低}-        ADJ   comparative=lower superlative=lowest
ADJ  new          {新し}-      ADJ   comparative=newer superlative=newest
ADJ  old          {古}-        ADJ   comparative=older superlative=oldest
ADJ  young        {若}-        ADJ   comparative=younger superlative=youngest
ADJ  hot          {暑}-        ADJ   comparative=hotter superlative=hottest
ADJ  cold         {寒}-        ADJ   comparative=colder superlative=coldest
ADJ  warm         {暖か}-      ADJ   comparative=warmer superlative=warmest
ADJ  cool         {涼し}-      ADJ   comparative=cooler superlative=coolest
ADJ  fast         {速}-        ADJ   comparative=faster superlative=fastest
ADJ  slow         {遅}-        ADJ   comparative=slower superlative=slowest
ADJ  early        {早}-        ADJ   comparative=earlier superlative=earliest
ADJ  late         {遅}-        ADJ   comparative=later superlative=latest
ADJ  easy         {易し}-      ADJ   comparative=easier superlative=easiest
ADJ  difficult    {難し}-      ADJ
ADJ  sad          {悲し}-      ADJ   comparative=sadder superlative=saddest
ADJ  beautiful    {美し}-      ADJ
ADJ  pretty       {かわい}-    ADJ   comparative=prettier superlative=prettiest
ADJ  busy         {忙し}-      ADJ   comparative=busier superlative=busiest
ADJ  interesting  {面白}-      ADJ
ADJ  fun          {楽し}-      ADJ
ADJ  strong       {強}-        ADJ   comparative=stronger superlative=strongest
ADJ  weak         {弱}-        ADJ   comparative=weaker superlative=weakest
ADJ  heavy        {重}-        ADJ   comparative=heavier superlative=heaviest
ADJ  light        {軽}-        ADJ   comparative=lighter superlative=lightest
ADJ  dark         {暗}-        ADJ   comparative=darker superlative=darkest
ADJ  bright       {明る}-      ADJ   comparative=brighter superlative=brightest
ADJ  red          {赤}-        ADJ
ADJ  blue         {青}-        ADJ
ADJ  white        {白}-        ADJ
ADJ  black        {黒}-        ADJ
ADJ  dirty        {汚}-        ADJ   comparative=dirtier superlative=dirtiest
ADJ  cheap        {安}-        ADJ   comparative=cheaper superlative=cheapest
ADJ  expensive    {高}-        ADJ
ADJ  happy        {幸せ}-      NAna   comparative=happier superlative=happiest
ADJ  kind         {親切}-      NAna   comparative=kinder superlative=kindest
ADJ  quiet        {静か}-      NAna   comparative=quieter superlative=quietest
ADJ  free         {暇}-        NAna
ADJ  free         {自由}-      NAna   p=-20
ADJ  important    {重要}-      NAna
ADJ  famous       {有名}-      NAna
ADJ  clean        {きれい}-    NAna   comparative=cleaner superlative=cleanest
ADJ  green        {緑}-        NAno
ADJ  true         {本当}-      NAno
ADJ  same         {同じ}-      NAna

# ---- Adverbs ---------------------------------------------------------------------------------
ADV  very       {とても}    ADV
ADV  quickly    {速く}      ADV
ADV  slowly     {ゆっくり}  ADV
ADV  well       {上手に}    ADV
ADV  always     {いつも}    ADV
ADV  often      {よく}      ADV
ADV  sometimes  {時々}      ADV
ADV  never      {決して}    ADV
ADV  already    {既に}      ADV
ADV  still      {まだ}      ADV
ADV  yet        {まだ}      ADV
ADV  ever       {今までに}  ADV
ADV  now        {今}        ADV
ADV  there      {そこに}    ADV
# "here" only follows its verb (the grammar's HERE).
HERE here       {ここに}    ADV
ADV  home       {家に}      ADV
ADV  again      {再び}      ADV
ADV  soon       {すぐに}    ADV
ADV  also       {また}      ADV
ADV  too        {も}        ADV
ADV  only       {だけ}      ADV
ADV  together   {一緒に}    ADV
ADV  really     {本当に}    ADV
ADV  today      {今日}      ADV
ADV  tomorrow   {明日}      ADV
ADV  yesterday  {昨日}      ADV

# ---- Existence, comparison, numbers and time ----------------------------------------
# "there" of "there is": no Japanese of its own.
THERE  there  {}  OTHER
# "any" of a question or a negation: Japanese says nothing for it before a
# noun (the analysis rules empty it there), nor for "no", which makes its
# clause negative.
ART     any   {任意の}  DET  f0=M30B0
NEG-DET no    {}  DET  f0=M30B0
YES     no    {いいえ}  OTHER
# "many people" is many persons, not a headcount (人数).
N       many_people  {多くの人}  N  sem=human
# "a lot of", "lots of": たくさんの.
ART     a_lot_of  {たくさんの}  DET  f0=M30B0 idiom=5
ART     lots_of   {たくさんの}  DET  f0=M30B0 idiom=5
# "as": として ("as a teacher"); in "as tall as" the first has no Japanese
# and the analysis rules write the second, と同じくらい or, negated, ほど.
CONJas  as    {として}  OTHER
# "more" and "most" before an adjective: より and 一番 say it in Japanese.
# "that one", "this one": the thing pointed at.
PRN    this_one  {これ}  N  f0=S31B0 idiom=5
PRN    that_one  {あれ}  N  f0=S31B0 idiom=5
# Time: "o'clock" after the hour is 時; days of the week and months, the
# months written with digits as dates are (５月５日).
TIME   o'clock   {時}  N
# "twelve years old": 十二歳.
AGE    years_old {歳}  N  idiom=5
AGE    year_old  {歳}  N  idiom=5
WEEKDAY Monday    {月曜日}  N  f0=SSSC1102110M000
WEEKDAY Tuesday   {火曜日}  N  f0=SSSC1102110M000
WEEKDAY Wednesday {水曜日}  N  f0=SSSC1102110M000
WEEKDAY Thursday  {木曜日}  N  f0=SSSC1102110M000
WEEKDAY Friday    {金曜日}  N  f0=SSSC1102110M000
WEEKDAY Saturday  {土曜日}  N  f0=SSSC1102110M000
WEEKDAY Sunday    {日曜日}  N  f0=SSSC1102110M000
MONTH  January    {１月}  N  f0=SSSC1102110M000
MONTH  February   {２月}  N  f0=SSSC1102110M000
MONTH  March      {３月}  N  f0=SSSC1102110M000
MONTH  April      {４月}  N  f0=SSSC1102110M000
MONTH  May        {５月}  N  f0=SSSC1102110M000
MONTH  June       {６月}  N  f0=SSSC1102110M000
MONTH  July       {７月}  N  f0=SSSC1102110M000
MONTH  August     {８月}  N  f0=SSSC1102110M000
MONTH  September  {９月}  N  f0=SSSC1102110M000
MONTH  October    {１０月}  N  f0=SSSC1102110M000
MONTH  November   {１１月}  N  f0=SSSC1102110M000
MONTH  December   {１２月}  N  f0=SSSC1102110M000
# Times that say when by themselves, like "yesterday": no particle.
ADV    every_day      {毎日}  ADV  idiom=5
ADV    every_morning  {毎朝}  ADV  idiom=5
ADV    every_week     {毎週}  ADV  idiom=5
ADV    every_year     {毎年}  ADV  idiom=5
ADV    this_morning   {今朝}  ADV  idiom=5
ADV    this_week      {今週}  ADV  idiom=5
ADV    this_year      {今年}  ADV  idiom=5
ADV    tonight        {今夜}  ADV
ADV    last_night     {昨夜}  ADV  idiom=5
ADV    last_week      {先週}  ADV  idiom=5
ADV    last_month     {先月}  ADV  idiom=5
ADV    last_year      {去年}  ADV  idiom=5
ADV    next_week      {来週}  ADV  idiom=5
ADV    next_month     {来月}  ADV  idiom=5
ADV    next_year      {来年}  ADV  idiom=5
ADV    this_afternoon      {今日の午後}  ADV  idiom=5
ADV    this_evening        {今晩}  ADV  idiom=5
ADV    yesterday_morning   {昨日の朝}  ADV  idiom=5
ADV    yesterday_afternoon {昨日の午後}  ADV  idiom=5
ADV    tomorrow_morning    {明日の朝}  ADV  idiom=5
ADV    tomorrow_afternoon  {明日の午後}  ADV  idiom=5
# Nouns a counter goes by (冊, 本, 枚).
N  pencil      {鉛筆}   N  sem=instrument
N  umbrella    {傘}     N  sem=product
N  notebook    {ノート} N  sem=document
N  magazine    {雑誌}   N  sem=document
N  dictionary  {辞書}   N  sem=document
N  photo       {写真}   N  sem=document
N  stamp       {切手}   N  sem=document
# "What time is it?" 何時ですか, "How old are you?" 何歳ですか.
WHAT   what_time  {何時}  N  f0=M31B1 idiom=5
WHAT   how_old    {何歳}  N  f0=M31B1 idiom=5
# "how many" asks a number: 何 and the counter (何匹), else いくつ.
NUMBERhow how_many {何}  N  f0=PPPC1101110M000 idiom=5
# Numbers before a noun; the analysis rules add the counter its noun takes.
NUMBER one    {一}  N  f0=SSSC1101110M000
NUMBER two    {二}  N  f0=PPPC1101110M000
NUMBER three  {三}  N  f0=PPPC1101110M000
NUMBER four   {四}  N  f0=PPPC1101110M000
NUMBER five   {五}  N  f0=PPPC1101110M000
NUMBER six    {六}  N  f0=PPPC1101110M000
NUMBER seven  {七}  N  f0=PPPC1101110M000
NUMBER eight  {八}  N  f0=PPPC1101110M000
NUMBER nine   {九}  N  f0=PPPC1101110M000
NUMBER ten    {十}  N  f0=PPPC1101110M000
NUMBER eleven    {十一}  N  f0=PPPC1101110M000
NUMBER twelve    {十二}  N  f0=PPPC1101110M000
NUMBER thirteen  {十三}  N  f0=PPPC1101110M000
NUMBER fourteen  {十四}  N  f0=PPPC1101110M000
NUMBER fifteen   {十五}  N  f0=PPPC1101110M000
NUMBER sixteen   {十六}  N  f0=PPPC1101110M000
NUMBER seventeen {十七}  N  f0=PPPC1101110M000
NUMBER eighteen  {十八}  N  f0=PPPC1101110M000
NUMBER nineteen  {十九}  N  f0=PPPC1101110M000
NUMBER twenty    {二十}  N  f0=PPPC1101110M000
NUMBER thirty    {三十}  N  f0=PPPC1101110M000
NUMBER forty     {四十}  N  f0=PPPC1101110M000
NUMBER fifty     {五十}  N  f0=PPPC1101110M000
NUMBER sixty     {六十}  N  f0=PPPC1101110M000
NUMBER seventy   {七十}  N  f0=PPPC1101110M000
NUMBER eighty    {八十}  N  f0=PPPC1101110M000
NUMBER ninety    {九十}  N  f0=PPPC1101110M000
MORE   more   {}  OTHER
MOST   most   {一番}  OTHER

# ---- Nouns ---------------------------------------------------------------------------------
# Semantic atoms after sem=; mass: uncountable; proper: a name.
N  man          {男}            N  plural=men  sem=human
N  woman        {女}            N  plural=women  sem=human
N  child        {子供}          N  plural=children  sem=human
N  person       {人}            N  plural=people  sem=human
N  boy          {少年}          N  sem=human
N  girl         {少女}          N  sem=human
N  friend       {友達}          N  sem=human
N  teacher      {先生}          N  sem=human
N  student      {学生}          N  sem=human
N  father       {父}            N  sem=human
N  mother       {母}            N  sem=human
N  brother      {兄弟}          N  sem=human
N  sister       {姉妹}          N  sem=human
N  family       {家族}          N  sem=human
N  baby         {赤ちゃん}      N  sem=human
N  king         {王}            N  sem=human
N  queen        {女王}          N  sem=human
N  president    {大統領}        N  sem=human
N  worker       {労働者}        N  sem=human
N  driver       {運転手}        N  sem=human
N  farmer       {農夫}          N  sem=human
N  customer     {客}            N  sem=human
N  neighbor     {隣人}          N  sem=human
N  dog          {犬}            N  sem=animal
N  cat          {猫}            N  sem=animal
N  bird         {鳥}            N  sem=animal
N  fish         {魚}            N  sem=animal,food
N  horse        {馬}            N  sem=animal
N  cow          {牛}            N  sem=animal
N  mouse        {ネズミ}        N  plural=mice  sem=animal
N  house        {家}            N  sem=building
N  home         {家庭}          N  sem=place
N  school       {学校}          N  sem=building,organization
N  city         {都市}          N  sem=place
N  town         {町}            N  sem=place
N  country      {国}            N  sem=place
N  room         {部屋}          N  sem=place
N  station      {駅}            N  sem=building
N  park         {公園}          N  sem=place
N  store        {店}            N  sem=building
N  shop         {店}            N  sem=building
N  hospital     {病院}          N  sem=building
N  office       {事務所}        N  sem=building
N  church       {教会}          N  sem=building
N  library      {図書館}        N  sem=building
N  library      {ライブラリ}    N  p=-20
N  street       {通り}          N  sem=place
N  road         {道}            N  sem=place
N  river        {川}            N  sem=place
N  mountain     {山}            N  sem=place
N  sea          {海}            N  sem=place
N  lake         {湖}            N  sem=place
N  garden       {庭}            N  sem=place
N  kitchen      {台所}          N  sem=place
N  village      {村}            N  sem=place
N  world        {世界}          N  sem=place
N  airport      {空港}          N  sem=building
N  restaurant   {レストラン}    N  sem=building
N  hotel        {ホテル}        N  sem=building
N  bank         {銀行}          N  sem=building,organization
N  bank         {土手}          N  sem=place p=-20
N  bank         {堤防}          N  sem=place p=-20
N  book         {本}            N  sem=document
N  car          {車}            N  sem=vehicle
N  table        {テーブル}      N  sem=furniture
N  chair        {椅子}          N  sem=furniture
N  door         {ドア}          N  sem=product
N  window       {窓}            N  sem=product
N  bed          {ベッド}        N  sem=furniture
N  pen          {ペン}          N  sem=instrument
N  telescope    {望遠鏡}        N  sem=instrument
N  paper        {紙}            N  mass  sem=product
N  letter       {手紙}          N  sem=document
N  phone        {電話}          N  sem=machine
N  computer     {コンピュータ}  N  sem=machine
N  bag          {かばん}        N  sem=container
N  box          {箱}            N  sem=container
N  cup          {カップ}        N  sem=container
N  bottle       {瓶}            N  sem=container
N  key          {鍵}            N  sem=tool
N  watch        {腕時計}        N  sem=instrument
N  clock        {時計}          N  sem=instrument
N  picture      {絵}            N  sem=product
N  camera       {カメラ}        N  sem=machine
N  ticket       {切符}          N  sem=document
N  map          {地図}          N  sem=document
N  newspaper    {新聞}          N  sem=document
N  bus          {バス}          N  sem=vehicle
N  train        {電車}          N  sem=vehicle
N  ship         {船}            N  sem=vehicle
N  plane        {飛行機}        N  sem=vehicle
N  shoe         {靴}            N  sem=clothing
N  hat          {帽子}          N  sem=clothing
N  shirt        {シャツ}        N  sem=clothing
N  dress        {ドレス}        N  sem=clothing
N  money        {お金}          N  mass  sem=money
N  gift         {贈り物}        N  sem=product
N  toy          {おもちゃ}      N  sem=product
N  ball         {ボール}        N  sem=product
N  knife        {ナイフ}        N  plural=knives  sem=tool
N  food         {食べ物}        N  mass  sem=food
N  water        {水}            N  mass  sem=drink
N  rice         {米}            N  mass  sem=food
N  bread        {パン}          N  mass  sem=food
N  meat         {肉}            N  mass  sem=food
N  apple        {りんご}        N  sem=food
N  egg          {卵}            N  sem=food
N  vegetable    {野菜}          N  sem=food
N  milk         {牛乳}          N  mass  sem=drink
N  tea          {お茶}          N  mass  sem=drink
N  coffee       {コーヒー}      N  mass  sem=drink
N  chopstick    {箸}            N  sem=instrument
N  spoon        {スプーン}      N  sem=instrument
N  fork         {フォーク}      N  sem=instrument
N  piano        {ピアノ}        N  sem=instrument
N  guitar       {ギター}        N  sem=instrument
N  bean         {豆}            N  sem=food
# Two senses the word-sense association tells apart (tools/grammar/word_senses.gram).
N  account      {口座}          N  sem=money
N  account      {説明}          N  sem=communication p=-20
N  balance      {残高}          N  mass sem=money
N  trip         {旅行}          N  sem=event
N  day          {日}            N  sem=time
N  night        {夜}            N  sem=time
N  morning      {朝}            N  sem=time
N  afternoon    {午後}          N  sem=time
N  evening      {夕方}          N  sem=time
N  week         {週}            N  sem=time
N  month        {月}            N  sem=time
N  year         {年}            N  sem=time
N  hour         {時間}          N  sem=time
N  minute       {分}            N  sem=time
N  time         {時間}          N  sem=time
N  today        {今日}          N  sem=time
N  tomorrow     {明日}          N  sem=time
N  yesterday    {昨日}          N  sem=time
N  spring       {春}            N  sem=time
N  summer       {夏}            N  sem=time
N  autumn       {秋}            N  sem=time
N  winter       {冬}            N  sem=time
N  name         {名前}          N  sem=mental_object
N  idea         {考え}          N  sem=mental_object
N  question     {質問}          N  sem=mental_object
N  answer       {答え}          N  sem=mental_object
N  problem      {問題}          N  sem=mental_object
N  story        {話}            N  sem=communication
N  word         {言葉}          N  sem=communication
N  language     {言語}          N  sem=communication
N  music        {音楽}          N  mass  sem=mental_object
N  game         {ゲーム}        N  sem=activity
N  job          {仕事}          N  sem=activity
N  work         {仕事}          N  mass  sem=activity
N  life         {生活}          N  plural=lives  sem=state
N  love         {愛}            N  mass  sem=emotion
N  war          {戦争}          N  sem=event
N  peace        {平和}          N  mass  sem=state
N  news         {ニュース}      N  mass  sem=communication
N  history      {歴史}          N  mass  sem=mental_object
N  art          {芸術}          N  mass  sem=mental_object
N  science      {科学}          N  mass  sem=mental_object
N  plan         {計画}          N  sem=mental_object
N  reason       {理由}          N  sem=mental_object
N  way          {方法}          N  sem=mental_object
N  thing        {物}            N
N  part         {部分}          N
N  number       {数}            N  sem=quantity
N  price        {値段}          N  sem=money
N  color        {色}            N
N  voice        {声}            N
N  sun          {太陽}          N
N  moon         {月}            N
N  star         {星}            N
N  sky          {空}            N  sem=place
N  rain         {雨}            N  mass  sem=liquid
N  snow         {雪}            N  mass  sem=substance
N  wind         {風}            N
N  tree         {木}            N  sem=plant
N  flower       {花}            N  sem=plant
N  grass        {草}            N  mass  sem=plant
N  stone        {石}            N  sem=substance
N  fire         {火}            N  sem=substance
N  air          {空気}          N  mass  sem=substance
N  hand         {手}            N  sem=body_part
N  head         {頭}            N  sem=body_part
N  eye          {目}            N  sem=body_part
N  face         {顔}            N  sem=body_part
N  foot         {足}            N  plural=feet  sem=body_part
N  tooth        {歯}            N  plural=teeth  sem=body_part
N  heart        {心臓}          N  sem=body_part
N  company      {会社}          N  sem=organization
N  government   {政府}          N  sem=organization
N  team         {チーム}        N  sem=organization
N  party        {パーティー}    N  sem=event
N  class        {授業}          N  sem=activity
N  English      {英語}          N  mass  sem=mental_object
N  Japanese     {日本語}        N  mass  sem=mental_object
N  Japan        {日本}          N  proper  sem=place
N  Tokyo        {東京}          N  proper  sem=place,townname
N  London       {ロンドン}      N  proper  sem=place,townname
N  America      {アメリカ}      N  proper  sem=place
N  John         {ジョン}        N  proper  sem=human,personname
N  Mary         {メアリー}      N  proper  sem=human,personname
N  New_York               {ニューヨーク}            N  proper  sem=place,townname
N  New_York_Times         {ニューヨーク・タイムズ}  N  proper  sem=organization
N  Bank_of_New_York       {ニューヨーク銀行}        N  proper  sem=organization

# ---- Everyday prose -----------------------------------------------------------------
# Sentence adverbs that open real text's sentences, usually before a comma.
ADV  however        {しかし}        ADV
ADV  therefore      {したがって}    ADV
ADV  for_example    {例えば}        ADV  idiom=5
ADV  in_addition    {さらに}        ADV  idiom=5
ADV  in_particular  {特に}          ADV  idiom=5
ADV  in_general     {一般に}        ADV  idiom=5
ADV  of_course      {もちろん}      ADV  idiom=5
ADV  fortunately    {幸いにも}      ADV
ADV  unfortunately  {残念ながら}    ADV
ADV  finally        {最後に}        ADV
ADV  instead        {代わりに}      ADV
ADV  otherwise      {そうでなければ}  ADV
ADV  currently      {現在}          ADV
ADV  for_more_details      {詳細については}  ADV  idiom=5
ADV  for_more_information  {詳しくは}        ADV  idiom=5
ADV  for_details           {詳細については}  ADV  idiom=5
# Verbs of the core whose nouns real text uses as much: the core answers
# for every reading of its words, so the nouns are here too.
N  change  {変更}      N
N  use     {使用}      N  mass
N  need    {必要}      N
N  build   {ビルド}    N
N  help    {助け}      N  mass
N  check   {確認}      N
N  start   {開始}      N
N  call    {呼び出し}  N
N  visit   {訪問}      N
N  study   {研究}      N
N  talk    {話}        N
N  drink   {飲み物}    N
# Determiners and adjectives of quantity and kind that licences and READMEs
# put before their nouns.
ALL   all        {全ての}    OTHER
BOTH  both       {両方の}    OTHER
ART   each       {各}        DET  f0=S30B0
ADJ   other      {他}-       NAno
ADJ   following  {以下}-     NAno
ADJ   certain    {特定}-     NAno
ADJ   several    {いくつか}- NAno
ADJ   various    {様々}-     NAna
# "and/or" as licences write it.
CONJ  and/or     {または}    CONJ
# The verbs of licences and installation notes, with the nouns of the same
# words (the core answers for every reading of its words).
VT01  copy          {コピー}su-        Vsu
N     copy          {コピー}           N
VT01  modify        {変更}su-          Vsu
VT01  distribute    {配布}su-          Vsu
VT01  redistribute  {再配布}su-        Vsu
VT01  install       {インストール}su-  Vsu
VT01  compile       {コンパイル}su-    Vsu
VT01  provide       {提供}su-          Vsu
VT01  include       {含}m-             VCm
VT01  contain       {含}m-             VCm
VT01  cut           {切}r-             VCr   past=cut pastpart=cut
# Nouns whose first meaning in software's texts is not EDICT's first.
N     program       {プログラム}       N
N     program       {番組}             N  p=-20
N     software      {ソフトウェア}     N  mass
N     license       {ライセンス}       N
N     licence       {ライセンス}       N
# Licences' and READMEs' own words, where EDICT's first meaning is another's
# (源暗号, 作家, 版権, 事情, 系, 不払い, 範, 教書, 編む).
ADJ   applicable    {適用可能}-        NAna
N     author        {作者}             N  sem=human
ADV   automatically {自動的に}         ADV
ADJ   available     {利用可能}-        NAna
N     binary        {バイナリ}         N
N     bug           {虫}               N  sem=animal
N     bug           {バグ}             N  p=-20
VT01  click         {クリック}su-      Vsu
N     click         {クリック}         N
N     command       {コマンド}         N
N     condition     {条件}             N
N     configuration {設定}             N
N     contributor   {貢献者}           N  sem=human
N     copyright     {著作権}           N
N     default       {デフォルト}       N
N     dependency    {依存関係}         N
N     document      {文書}             N  sem=document
VT01  download      {ダウンロード}su-  Vsu
N     download      {ダウンロード}     N
VT01  edit          {編集}su-          Vsu
N     error         {エラー}           N
N     example       {例}               N
ADJ   executable    {実行可能}-        NAna
N     feature       {機能}             N
VT01  fix           {直}s-             VCs
ADJ   general       {一般的}-          NAna
VT01  generate      {生成}su-          Vsu
VT01  grant         {与え}-            VV
N     holder        {所有者}           N  sem=human
N     interface     {インターフェース}  N
N     mailing_list  {メーリングリスト}  N
VT01  maintain      {保守}su-          Vsu
N     maintainer    {メンテナ}         N  sem=human
N     manual        {マニュアル}       N  sem=document
ADJ   manual        {手動}-            NAno
N     message       {メッセージ}       N  sem=communication
VT01  obtain        {入手}su-          Vsu
N     output        {出力}             N
N     password      {パスワード}       N
N     project       {プロジェクト}     N
N     redistribution  {再配布}         N  mass
N     release       {リリース}         N
N     requirement   {要件}             N
N     script        {スクリプト}       N
N     setting       {設定}             N
N     source_code   {ソースコード}     N  mass
VT01  store         {保存}su-          Vsu
VT01  support       {サポート}su-      Vsu
N     support       {サポート}         N  mass
N     system        {システム}         N
N     term          {条項}             N
N     test          {テスト}           N  sem=activity
VT01  test          {テスト}su-        Vsu
VT01  update        {更新}su-          Vsu
N     update        {更新}             N
N     user          {ユーザー}         N  sem=human

# ---- Phrasal verbs and everyday words ----------------------------------------------
# Possessive pronouns stand for a thing owned: "The book is mine." 私のもの.
PRN    mine    {私のもの}      N    f0=S31B0
PRN    yours   {あなたのもの}  N    f0=S31B0
PRN    hers    {彼女のもの}    N    f0=S31B0
PRN    ours    {私達のもの}    N    f0=S31B0
PRN    theirs  {彼らのもの}    N    f0=S31B0
# "his" standing alone ("The pen is his.") is his thing; before a noun the
# determiner reading wins.
PRN    his     {彼のもの}      N    f0=S31B0
# "a lot" after a verb says how much: たくさん ("a lot of" stays a determiner).
ADV    a_lot   {たくさん}      ADV  idiom=5
# Phrasal verbs: the verb and its particle are one word of Japanese, kept
# alone over their two words.
VI01   get_up     {起き}-      VV   third=gets_up past=got_up pastpart=got_up ing=getting_up idiom=5
VI01   wake_up    {目を覚ま}s- VCs  third=wakes_up past=woke_up pastpart=woken_up ing=waking_up idiom=5
VI01   go_out     {出かけ}-    VV   third=goes_out past=went_out pastpart=gone_out ing=going_out idiom=5
VI01   come_back  {戻}r-       VCr  third=comes_back past=came_back pastpart=come_back ing=coming_back idiom=5
VT01   look_at    {見}-        VV   third=looks_at past=looked_at ing=looking_at idiom=5
VT01   look_for   {探}s-       VCs  third=looks_for past=looked_for ing=looking_for idiom=5
VT01   put_on     {着}-        VV   third=puts_on past=put_on pastpart=put_on ing=putting_on idiom=5
VT01   take_off   {脱}g-       VCg  third=takes_off past=took_off pastpart=taken_off ing=taking_off idiom=5
VT01   turn_on    {つけ}-      VV   third=turns_on past=turned_on ing=turning_on idiom=5
VT01   turn_off   {消}s-       VCs  third=turns_off past=turned_off ing=turning_off idiom=5
# Words the phrasal verbs' textbook sentences need: "get up early", "turn
# on the light" (the lamp, not the adjective).
ADV    early      {早く}       ADV
N      light      {電気}       N
ADJ    light      {軽}-        ADJ
# "there" after be says where, as "here" does ("Is John there?").
HERE   there      {そこに}     ADV
VT01   listen_to  {聞}k-       VCk  third=listens_to past=listened_to ing=listening_to idiom=5
VT01   wait_for   {待}t-       VCt  third=waits_for past=waited_for ing=waiting_for idiom=5
# Everyday nouns: family words a sentence about age needs, and the radio
# one listens to (not 無線).
N      grandfather  {祖父}     N    sem=human
N      grandmother  {祖母}     N    sem=human
N      radio        {ラジオ}   N
VI01   sit_down   {座}r-       VCr  third=sits_down past=sat_down pastpart=sat_down ing=sitting_down idiom=5
VI01   stand_up   {立}t-       VCt  third=stands_up past=stood_up pastpart=stood_up ing=standing_up idiom=5
VI01   give_up    {諦め}-      VV   third=gives_up past=gave_up pastpart=given_up ing=giving_up idiom=5
VI01   go_to_bed  {寝}-        VV   third=goes_to_bed past=went_to_bed pastpart=gone_to_bed ing=going_to_bed idiom=5
VI01   come_home  {帰}r-       VCr  third=comes_home past=came_home pastpart=come_home ing=coming_home idiom=5
VI01   go_home    {帰}r-       VCr  third=goes_home past=went_home pastpart=gone_home ing=going_home idiom=5
# "late" after a verb says when: 遅く.
ADV    late       {遅く}       ADV
# Greetings and thanks, each a sentence of its own; polite style adds
# ございます where Japanese does (analysis rules).
HELLO  thank_you            {ありがとう}        OTHER  idiom=5
HELLO  thank_you_very_much  {どうもありがとう}  OTHER  idiom=5
HELLO  thanks               {ありがとう}        OTHER
HELLO  good_morning         {おはよう}          OTHER  idiom=5
HELLO  good_night           {おやすみ}          OTHER  idiom=5
HELLO  goodbye              {さようなら}        OTHER
HELLO  excuse_me            {すみません}        OTHER  idiom=5
HELLO  how_are_you          {元気}              OTHER  idiom=1
HELLO  nice_to_meet_you     {はじめまして}      OTHER  idiom=5
HELLO  see_you_tomorrow     {また明日}          OTHER  idiom=5
HELLO  see_you_later        {また後で}          OTHER  idiom=5
VT01   pick_up    {拾}w-       VCw  third=picks_up past=picked_up ing=picking_up idiom=5
VT01   get_on     {乗}r-       VCr  third=gets_on past=got_on pastpart=got_on ing=getting_on idiom=5 transplant=NP:+ni
VT01   get_off    {降り}-      VV   third=gets_off past=got_off pastpart=got_off ing=getting_off idiom=5
# Daily routines: "take a bath" is 風呂に入る, "have breakfast" 朝ご飯を食べる.
VI01   take_a_bath     {風呂に入}r-    VCr  third=takes_a_bath past=took_a_bath pastpart=taken_a_bath ing=taking_a_bath idiom=5
VI01   have_breakfast  {朝ご飯を食べ}-  VV   third=has_breakfast past=had_breakfast pastpart=had_breakfast ing=having_breakfast idiom=5
VI01   have_lunch      {昼ご飯を食べ}-  VV   third=has_lunch past=had_lunch pastpart=had_lunch ing=having_lunch idiom=5
VI01   have_dinner     {晩ご飯を食べ}-  VV   third=has_dinner past=had_dinner pastpart=had_dinner ing=having_dinner idiom=5
VT01   brush      {磨}k-       VCk
N      brush      {ブラシ}     N
N      TV         {テレビ}     N
N      television {テレビ}     N
VI01   turn_left   {左に曲が}r-  VCr  third=turns_left past=turned_left ing=turning_left idiom=5
VI01   turn_right  {右に曲が}r-  VCr  third=turns_right past=turned_right ing=turning_right idiom=5
# "a present" is a gift (プレゼント); the adjective and the verb keep their
# own readings.
N      present     {プレゼント}  N
ADJ    present     {現在}-       NAno
VT01   present     {提示}su-     Vsu
# "later" after a verb says when: 後で ("Please call me later.").
ADV    later       {後で}        ADV
