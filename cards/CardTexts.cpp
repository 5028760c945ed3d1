#include "cards/CardTexts.h"

#include <QtGlobal>

namespace cards {

// Each text stays on one line; the card view does its own wrapping.
const std::array<CardText, 52> kCardTexts = {{
    {//: Ace of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "A single club on a white field is the simplest of starts, and that is its point. The "
         "Ace of Clubs puts the first push behind something new, whether a plan sketched long "
         "ago or a skill you keep promising yourself. Ideas arrive quickly when this card turns "
         "up, and the nerve to try them arrives with them. Luck with money belongs to it as "
         "well, the kind of luck that follows honest effort. Pick one practical step and take "
         "it while the spark is fresh. Things begun under this Ace tend to grow fast, which "
         "makes the choice of what to begin worth a minute's thought: what would you be glad to "
         "be tending a year from now?"),
     //: Ace of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "New beginnings, inspiration, energy and opportunity."),
     //: Ace of Clubs: journal question
     QT_TRANSLATE_NOOP(
         "CardReading",
         "What first step toward something new could you take before the spark fades?")},
    {//: Two of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Help is nearer than it looks when the Two of Clubs appears. Who holds the piece your "
         "plan is missing? Very likely someone within easy reach, perhaps a neighbour with "
         "handy skills, and you probably hold one of theirs. Show them the idea while it is "
         "still rough and let them change it. A choice between two offers, or between two ways "
         "of doing one task, can also come up. The better option is usually the one that keeps "
         "a good working friendship sound. Two people who trust each other finish a job in half "
         "the time and enjoy the doing twice as much."),
     //: Two of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "Partnership, cooperation, choice, trust and shared effort."),
     //: Two of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading", "Whose skills would fill the gap in your plan?")},
    {//: Three of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Roads open under the Three of Clubs, and one of them leads back to something that "
         "failed the first time. This is the card of the second attempt: the venture that "
         "needed a false start before it could work, the plan that finds a better route once "
         "the obvious one is blocked. Traditional readers put it plainly and promised a second "
         "marriage happier than the first. Read more generously, the card says that what you "
         "try again, wiser for the first try, tends to go further, though it asks for some "
         "bending. A route you did not choose can prove the quicker one, and a day somewhere "
         "unfamiliar shows how much room lies beyond your usual circuit. Ambition suits you, so "
         "long as it travels light. Which door closed on you, and what has opened beside it "
         "since?"),
     //: Three of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "Change, flexibility, development, traveling and ambitious"),
     //: Three of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading", "What are you ready to try a second time?")},
    {//: Four of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The Four of Clubs brings rest well earned and friends who stand by you. Whatever you "
         "have built lately, enjoy it as it is instead of adding another floor. An hour with "
         "nothing planned does more good than you would expect, and a laugh shared with the "
         "people on your side does as much. Let somebody look after you for once, and accept "
         "the lift home or the cup of tea without protest. Contentment of this kind is the "
         "mortar of every lasting enterprise. Even mortar needs a day left alone to set."),
     //: Four of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "Happiness, joy, rest, warm and supportive"),
     //: Four of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading", "Who looked after you, and how did it feel to let them?")},
    {//: Five of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Lively company arrives with the Five of Clubs, and some friction comes with it. "
         "Someone new can join your circle, and at first their ideas might seem to clash with "
         "yours. Treat the argument as a whetstone: two keen minds pressed together often "
         "produce the best edge. Today's rival could be next month's ally if you listen longer "
         "than you talk and give credit freely. Alliances formed in honest debate tend to last, "
         "and they bring help long after the quarrel is forgotten. Many lasting friendships "
         "began as an argument between strangers."),
     //: Five of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "New friends, healthy rivalry, debate, alliance and growth."),
     //: Five of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Whose disagreement taught you something you would not have learnt alone?")},
    {//: Six of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Recognition is the gift of the Six of Clubs. Something you did without fuss, perhaps "
         "months ago, is about to be noticed, and it returns to you as praise or as a helping "
         "hand from someone who remembers a kindness of yours. Accept it with grace; modesty is "
         "charming, but refusing help only slows you down. Then pass some of the luck along. A "
         "word of encouragement from you might be exactly what a friend needs to get a stalled "
         "project moving. Success in this suit grows by being shared, like a fire that burns "
         "better for every log laid on it."),
     //: Six of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Recognition, success, praise, helping hands, gratitude and generosity."),
     //: Six of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Which piece of your work deserves a word of praise, even from yourself?")},
    {//: Seven of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Hold your ground. The Seven of Clubs finds you pressed from more than one side, by a "
         "deadline crowding in or by someone questioning a decision you made for good reasons. "
         "Stay courteous and yield nothing: experience counts for more in a dispute like this "
         "than the volume of anyone's voice. Petty irritations will try to drag you from the "
         "main task, so pick the two or three things that truly matter and defend those. "
         "Everything else can wait. Tarot's matching card shows a man on a hilltop fending off "
         "six staves from below, outnumbered and still holding the better position."),
     //: Seven of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Perseverance, courage, defence, priorities and steady effort."),
     //: Seven of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which two or three things were worth defending?")},
    {//: Eight of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Things speed up under the Eight of Clubs. Messages arrive and plans gather pace, and "
         "matters you had been waiting on start moving together. Your mind is sharp and your "
         "energy high, which is just what such a pace demands. Keep one hand near the brake all "
         "the same: speed makes it easy to sign before reading or to promise more than you can "
         "deliver. Narrow your attention to what must be done today, and check each step before "
         "taking the next. Think of traffic on a dual carriageway: fast, and safe only while "
         "everyone keeps to their lane."),
     //: Eight of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "Energetic, active, powerful, sharp, cautious and focused"),
     //: Eight of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Where did speed help you, and where did it nearly trip you up?")},
    {//: Nine of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The Nine of Clubs comes late in a long job, when the finish is near and many people "
         "give up. If you feel worn down, take that as a measure of how far you have come "
         "rather than of how far is left. Guard your strength; a decent meal and a full night's "
         "sleep matter more now than they seem. Weariness makes a mild disagreement sound like "
         "a serious one; go gently with those around you, and a calm word now will spare a long "
         "apology later. Distance runners say the race is decided in its last miles, by whoever "
         "kept something in reserve."),
     //: Nine of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "Resilience, endurance, patience and near completion."),
     //: Nine of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading", "What will carry you through the last stretch?")},
    {//: Ten of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "A long labour comes to an end. The Ten of Clubs marks the close of a project or of a "
         "whole year of effort, and the weight you have carried can soon be set down. Before "
         "hurrying on to whatever comes after, look back at what you achieved and at who helped "
         "you achieve it. If you took on more than your share along the way, give the extra "
         "back. Rewards often follow completion among the clubs, a bonus perhaps or a fresh "
         "offer. Completion works like a woodpile: hard work to gather, and warmth for a long "
         "while after."),
     //: Ten of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Completion, responsibility, reward, relief and fresh offers."),
     //: Ten of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading", "What can you set down now that it is finished?")},
    {//: King of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Think of the person who first showed you how a thing is really done, and you have the "
         "King of Clubs. He started with little and kept every promise he made on the way up. "
         "He speaks plainly, stands by his people when things go wrong and expects loyalty in "
         "return. His praise is seldom given and worth having, and his criticism arrives "
         "without decoration. Someone of his stamp could offer help today; if not, go and find "
         "one, because a word from a person who has done the job many times saves weeks of "
         "guessing. He leads from the front, and his crew follows because he was the first to "
         "pick up a shovel."),
     //: King of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Leadership, loyalty, experience, honesty, mentorship and example."),
     //: King of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading", "Who taught you how a thing is properly done?")},
    {//: Queen of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Every club and every street has its Queen of Clubs, the woman who knows everybody and "
         "somehow has a spare key or a folding table when one is needed. She runs things "
         "without raising her voice, and people enjoy being organized by her. Her help is yours "
         "for the asking, and being asked pleases her. Her method is no secret: a written list, "
         "and tasks handed out with a smile rather than barked as orders. Confidence worn "
         "lightly opens more doors than any title."),
     //: Queen of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading", "Confidence, warmth, organization, generosity and charm."),
     //: Queen of Clubs: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What went better because somebody took charge of it with a smile?")},
    {//: Knights of Clubs: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Moving day shows who your friends are, and the Knight of Clubs arrives in work gloves "
         "and stays until the last box is carried in. He volunteers first and complains last, "
         "and his energy is catching. Let some of it rub off: restart whatever has stalled, or "
         "say yes to an outing you would normally turn down. Finish what you begin before "
         "chasing the next idea, though; his weakness is a shed full of half-built things. If a "
         "loyal helper has carried you lately, thank them properly, face to face."),
     //: Knights of Clubs: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Enthusiasm, loyalty, adventure, helpfulness and quick starts."),
     //: Knights of Clubs: journal question
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Which half-finished thing deserves your enthusiasm before a new one does?")},
    {//: Ace of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Something of value is put in your hands by the Ace of Diamonds. Perhaps a payment, "
         "perhaps an idea for earning; what matters most is what you do next. Part of it might "
         "go aside for later and part into a skill; mending a tool you rely on every day is "
         "money well spent too. Old fortune-tellers read this Ace as a letter or a ring, a "
         "promise sealed with something precious, so keep an eye on the post. Even a modest "
         "sum, handled wisely, can be the first stone of real security."),
     //: Ace of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading", "Prosperity, new income, opportunity, gifts and good news."),
     //: Ace of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What of value came into your hands, and where will you put it?")},
    {//: Two of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Juggling is the skill the Two of Diamonds asks for. Bills and claims on one purse "
         "compete for your attention, and you can keep them all in the air once you find a "
         "rhythm. Write down what comes in and what goes out, and let the figures calm your "
         "nerves. Swaps and agreements between two parties go well today. A bargain struck now "
         "is likely to be fair, provided you say plainly what you want and listen to what the "
         "other side needs in return. Bend where you can, and stand fast only on the one point "
         "that matters most."),
     //: Two of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Balance, juggling, flexibility, fair exchange and planning."),
     //: Two of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Which two demands are you balancing, and which one matters more?")},
    {//: Three of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Skilled hands are honoured by the Three of Diamonds. Something you make or mend with "
         "care is worth more than its price tag, and people are beginning to notice. Team up "
         "with someone whose talents fill the gaps in yours. There is a caution here as well: "
         "agreements made in haste, especially over money, can sour into quarrels, even into a "
         "dispute that ends at a solicitor's desk. Put the terms in writing and read every "
         "clause; a debt left unsettled breeds resentment. Careful work and a bargain written "
         "out clearly earn their own fair reward."),
     //: Three of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Craftsmanship, teamwork, agreements, caution and fair reward."),
     //: Three of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading", "What have you made or mended with care lately?")},
    {//: Four of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Under your feet the Four of Diamonds lays a solid floor. Your finances are plain "
         "rather than glamorous, and sounder than your worries suggest; some discipline now "
         "will make them stronger still. Before buying anything new, see what you already own; "
         "much of it can be repaired or put to better use. Be wary, though, of gripping so "
         "tightly that security turns into a fear of spending, for a purse that never opens "
         "costs friendships and chances alike. Saving works best with a purpose in mind. Money "
         "kept only to be counted is like a toolbox nobody opens."),
     //: Four of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading", "Stability, security, savings and prudence."),
     //: Four of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading", "What do you already own that could be put to better use?")},
    {//: Five of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The Five of Diamonds shakes things a little. An unplanned expense or a change in "
         "income could turn up, or talk of a move to a new address. Panic only makes the sums "
         "harder. Turbulence like this often clears space for something better, as a gale "
         "strips dead wood so that new growth can come through. Ask for help if you need it; "
         "pride keeps poor accounts. Telling the right people where you stand brings support "
         "you had not known existed, and a sensible change made now can leave you on surer "
         "footing within a few months."),
     //: Five of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Change, unexpected expense, moving, adaptability and support."),
     //: Five of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Who could help you with the cost or change that turned up?")},
    {//: Six of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Money and favours flow both ways when the Six of Diamonds turns up. A sum you had "
         "forgotten could be repaid to you, or the chance could come to help someone who is "
         "struggling. Give without keeping score, and receive without blushing. Fairness is at "
         "the heart of it, so look over your own dealings for anything left unsettled. An old "
         "debt cleared today, in either direction, lightens the mind as well as the purse. The "
         "six stones sit in two even columns, three a side, like goods weighed on an honest "
         "scale."),
     //: Six of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading", "Generosity, fairness, giving, receiving and settled debts."),
     //: Six of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Is there a debt, of money or of kindness, still waiting to be settled?")},
    {//: Seven of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Call the Seven of Diamonds a card for gardeners. You have planted something, perhaps "
         "a savings plan or a long piece of work, and now it must be left to bear fruit. Do not "
         "dig up the seeds to see if they have sprouted. Tend what you can instead: trim a "
         "wasteful expense, or get back in touch with a useful contact who has gone silent. "
         "Leave idle talk about other people's earnings to those who enjoy it; comparing your "
         "harvest with a neighbour's only spoils the taste of yours. An old English saying puts "
         "that patience in five words: plant pears for your heirs."),
     //: Seven of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading", "Patience, investment, growth, perseverance and harvest."),
     //: Seven of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading", "What have you planted that needs leaving alone to grow?")},
    {//: Eight of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Apprentices of every age are favoured by the Eight of Diamonds. Work that asks for "
         "patience and precision suits you today, and every careful hour adds to your skill and "
         "your value alike. Perhaps you are learning a new trade, or simply doing ordinary "
         "tasks a shade better than yesterday. A little extra money can come from an odd job or "
         "a sale; it will not change your life overnight, yet it confirms that you are on the "
         "right path. Mastery is built from exactly this kind of patient repetition, one "
         "careful stroke laid over another."),
     //: Eight of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading", "Diligence, skill, mastery, practice and modest reward."),
     //: Eight of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which skill got a little better through practice?")},
    {//: Nine of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The Nine of Diamonds celebrates comfort earned with your own hands. Standing on your "
         "own feet without help is an achievement, and that independence deserves to be "
         "savoured. Treat yourself to quality rather than quantity, a good meal or a well-made "
         "tool. Self-reliance does not mean doing everything alone; it means your security no "
         "longer hangs on anybody's approval. Keep your ambitions high. A person at ease in a "
         "house bought with their own effort, with the door shut against the weather, is the "
         "whole picture of this card."),
     //: Nine of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Self- reliance, self-actualization, independent, satisfied and ambitious."),
     //: Nine of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What have you earned by your own effort that you can enjoy?")},
    {//: Ten of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Wealth that outlasts a single payday belongs to the Ten of Diamonds: a home paid off, "
         "a business handed on, savings that protect the people who count on you. News of a "
         "large purchase or a long-term plan finally coming together could reach you today. "
         "Take pleasure in it. Then give an hour to the dull part, the will or the insurance, "
         "because comfort that is well guarded can pass from one generation to the next. The "
         "story of the earning belongs to the inheritance too, and it is often the part "
         "remembered longest."),
     //: Ten of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Wealth, abundance, family, legacy, security and celebration."),
     //: Ten of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading", "What will you hand on one day, and to whom?")},
    {//: King of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Shrewd, good-humoured and impossible to hurry, the King of Diamonds reads every "
         "contract twice and enjoys a good haggle. He began with a barrow, now owns the shop on "
         "the corner and still counts the till himself. He respects people who know their "
         "numbers and forgives almost anything except waste. Before you settle any money matter "
         "today, think as he would: facts first, then a fair comparison of the offers. His "
         "answer to anyone who presses him to sign at once never changes: then go and sell it "
         "to somebody else."),
     //: King of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Business sense, wisdom, authority, caution and fair dealing."),
     //: King of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Which decision deserves facts first and a signature later?")},
    {//: Queen of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "A woman with an eye for quality and a head for sums, the Queen of Diamonds can tell "
         "silk from polyester across a room and knows what each costs by the metre. She likes "
         "lovely things and is never owned by them. Through her the card invites you to enjoy a "
         "little beauty, flowers on the table perhaps, while keeping an honest record of the "
         "expense. Her advice about money deserves close attention; her bargains are legendary. "
         "Keep your own secrets, though. This Queen loves to talk, and a confidence told to her "
         "on Monday is common knowledge along the street by Tuesday."),
     //: Queen of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Resourcefulness, elegance, practicality, good taste and gossip."),
     //: Queen of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What lovely thing was worth its price, and which secret is better kept?")},
    {//: Knights of Diamond: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Somewhere between you and the money stands the Knight of Diamonds, a ledger in one "
         "pocket and a timetable in the other. He is the go-between of money matters: the "
         "courier with the parcel, the agent with the quote, the cousin who knows somebody "
         "selling a van. Thorough and in a hurry at once, he can work in your favour today. An "
         "offer or a payment might travel towards you through a third person. Read every line "
         "before you agree, and ask the question you feel silly asking. If the deal still "
         "stands once the figures are checked, take it without further dithering."),
     //: Knights of Diamond: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Errands, offers, diligence, careful checks and opportunity."),
     //: Knights of Diamond: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which figures did you check twice before agreeing?")},
    {//: Ace of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have "
         "cherished for generations: the first warm stirring of affection, the start of a "
         "friendship, the moment a house begins to feel like home. This Ace opens the heart, "
         "and an open heart is a gift to everyone near it. The kind word you have been holding "
         "back is worth saying, and being looked after for once is no weakness. New love or a "
         "happy letter could be on its way. Whatever begins now begins in sincerity, and it "
         "deserves the chance to grow."),
     //: Ace of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading", "Love, new affection, sincerity, openness and joy at home."),
     //: Ace of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Which kind word were you holding back, and did you say it?")},
    {//: Two of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Two people find their way to each other in the Two of Hearts. Romance, a close "
         "friendship or a reconciliation with someone you had drifted away from: whatever form "
         "it takes, the feeling runs both ways. Ask how the other person really is, and answer "
         "honestly when the question comes back. Gestures that cost nothing carry great weight "
         "here, like tea brought without asking or a hand held a moment longer. If a coolness "
         "has crept in with someone dear, take the first step back towards them. On the card "
         "itself the two hearts mirror each other, one upright and one upside down."),
     //: Two of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading", "Harmony, mutual love, tenderness and reconciliation."),
     //: Two of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading", "Who do you miss being close to these days?")},
    {//: Three of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Voices fill the house. The Three of Hearts brings company, whether friends dropping "
         "by unannounced or a celebration long planned, and laughter comes easily. There is one "
         "caution in this cheerful card. When affection is shared among three, somebody can end "
         "up feeling left out, and a harmless flirtation can be read as more than it was. Be "
         "honest about the feelings you have and about those you lack, and make only promises "
         "you intend to keep. Honesty of that sort keeps the whole circle warm."),
     //: Three of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Celebration, friendship, gatherings, honesty and clear feelings."),
     //: Three of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Who made you laugh, and was anyone left out of the circle?")},
    {//: Four of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "A peaceful home is honoured by the Four of Hearts. Life indoors runs smoothly, and "
         "such stability is worth treasuring. Still, a restlessness can stir, a sense that "
         "comfort is sliding into routine. Bring the freshness home rather than hunting for it "
         "elsewhere; moving the furniture or cooking a dish you have never tried can do more "
         "than a trip abroad. In older readings this card could also foretell a change of "
         "address, or a commitment that is delayed but happy in the end. Homes stay alive the "
         "way fires do, by being stirred now and then."),
     //: Four of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading", "Domestic peace, stability, renewal, home and commitment."),
     //: Four of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading", "What one change would make home feel fresh again?")},
    {//: Five of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Some feelings are hard to name, and the Five of Hearts stirs a few of them. A "
         "disappointment or a flash of jealousy can surface, and it is tempting to let it tint "
         "the whole day. Look at it gently instead; a feeling like this wants understanding "
         "more than obedience. Talking to someone you trust helps, as does a letter you never "
         "send. When the cloud passes you will see which attachments still deserve your love "
         "and which you are ready to let go at last."),
     //: Five of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Mixed emotions, disappointment, reflection, release and healing."),
     //: Five of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Which feeling was hard to name, and what was it asking for?")},
    {//: Six of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Sweet memories drift back with the Six of Hearts: a childhood street, a first home, a "
         "friend from long ago. They carry warmth rather than sorrow, and they remind you of "
         "who you were before life grew complicated. Someone from your past could get in touch, "
         "or you might feel moved to write first. Simple generosity is favoured as well. A "
         "present given for no occasion, or an errand run for a neighbour who cannot manage it, "
         "pleases the giver as much as the one who receives. The plainest pleasures often prove "
         "the richest."),
     //: Six of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Nostalgia, childhood, old friends, kindness and simple joys."),
     //: Six of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which memory from long ago came back to you?")},
    {//: Seven of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Possibilities crowd around you, and the Seven of Hearts warns that not all of them "
         "are what they seem. A charming promise or an offer that sounds too good to be true "
         "could tempt you. Enjoy the imagining, but take time before acting on it. This is an "
         "old card of changeable affections, so judge people by what they do over weeks, never "
         "by what they say over one glass of wine. When the choice comes, pick the real thing "
         "over the glittering one. Mirages, after all, look most convincing to the thirsty."),
     //: Seven of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Temptation, illusions, choices, discernment, patience and steadiness."),
     //: Seven of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What do the facts say about the promise that sounded too good?")},
    {//: Eight of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Expect an invitation from the Eight of Hearts, perhaps to a wedding or to a table "
         "where you know only the host, and you will be glad you said yes. This sociable, "
         "generous card rewards anyone who turns up. Wear something you love, and let yourself "
         "be entertained. A conversation begun at such a gathering could deepen a friendship or "
         "start a romance. If you have kept to yourself lately, here is an opening to come back "
         "into the warmth of your own people."),
     //: Eight of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading", "Invitations, gatherings, generosity, romance and warmth."),
     //: Eight of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which invitation would you like to accept, or to send?")},
    {//: Nine of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Known everywhere as the wish card, the Nine of Hearts is counted by many readers the "
         "luckiest in the deck. A hope you have held close, perhaps for years, is nearing "
         "fulfilment. Name your wish plainly, if only to yourself, and then behave as though it "
         "could come true. Happiness is close at hand, romance too. Make time to relax and "
         "enjoy them instead of scanning the horizon for the next worry. Contentment is "
         "knocking; let it in without asking whether you have deserved it."),
     //: Nine of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading", "love, romance, joy, happiness and relaxing."),
     //: Nine of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading", "If you named your wish plainly, what would it be?")},
    {//: Ten of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Love grown to its full size is the subject of the Ten of Hearts. What started as one "
         "affection has become a household: the ones who know how you take your tea, who turn "
         "up without being asked, who have seen you at your worst and stayed. Whether they are "
         "kin by blood or by choice makes no difference here. Good news about a home or a "
         "wedding is traditional with this card, as is plain contentment, the kind nobody "
         "notices until it is named. Picture a table with every chair taken and the talk "
         "running over itself: that noise is what this card sounds like."),
     //: Ten of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Family happiness, fulfilment, lasting love, home and celebration."),
     //: Ten of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading", "Who are the people you count as your own?")},
    {//: King of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Picture a man who remembers the names of his neighbours' children and still gets "
         "choked up at weddings. The King of Hearts is warm, generous and a touch impulsive, "
         "quick to anger and quicker to forgive. Someone with his warmth could settle a quarrel "
         "in your circle today; let him. If nobody steps forward, the part is yours. Hearing "
         "both sides before you judge is half the work, and comfort offered without a lecture "
         "is the other half. His temper flares like a match and goes out as fast, and nobody "
         "who knows him holds it against him."),
     //: King of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Warmth, generosity, quick temper, forgiveness and fairness."),
     //: King of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "Which quarrel needs both sides heard before anyone judges it?")},
    {//: Queen of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The kettle is always on at the Queen of Hearts' table. She is the woman everyone "
         "rings in a crisis, who remembers every birthday and turns up with soup when you are "
         "ill. Her gift is intuition, a feeling for what others need before they say it. Her "
         "kind of attention is catching: a pot of something warm carried next door, or a note "
         "to someone lonely, will be remembered when the pot is long empty. Look after yourself "
         "with equal care, though, and keep one hour for your own heart. Even she sits down at "
         "last with the final cup from the pot."),
     //: Queen of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Nurturing, devotion, intuition, compassion, comfort and self-care."),
     //: Queen of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading", "Whose need did you sense before they said it?")},
    {//: Knights of Hearts: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Charming, attentive and a little too fond of grand gestures, the Knight of Hearts "
         "courts the world. He could be an admirer, or the friend who sends flowers for no "
         "reason at all. In his company romance feels easy and a surprise is never far away. "
         "Enjoy the attention, and return it if you mean it. Let feelings take their time. A "
         "tender gesture is lovely; a rash promise made by candlelight is hard to unsay."),
     //: Knights of Hearts: keywords
     QT_TRANSLATE_NOOP("CardReading", "Romance, devotion, charm, good company and open hearts."),
     //: Knights of Hearts: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What gesture of affection would you make if you had the nerve?")},
    {//: Ace of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Feared by many, the Ace of Spades is really a card of transformation. Some part of "
         "your life is ending, or needs to end, so that something sturdier can take its place, "
         "whether a habit or a belief that has run its course. Remember that a spade is also a "
         "digging tool, the blade that breaks hard earth so that roots can take hold. Endings "
         "are rarely comfortable, but this Ace offers a clean cut. Decide what no longer serves "
         "you, and act on it without apology. Whatever grows in the cleared ground will be "
         "truly yours."),
     //: Ace of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading", "Transformation, endings, decisiveness and renewal."),
     //: Ace of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "What is ending, and what should grow in its place?")},
    {//: Two of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Stalemate is the word for the Two of Spades. Two paths or two loyalties pull you in "
         "opposite directions, and not choosing at all can look tempting. Putting it off only "
         "leaves you standing at the crossroads. Look squarely at the whole situation; facts "
         "help, and your instinct helps too, though no choice will be perfect. A tense "
         "conversation might be needed, and a truce is possible if both sides are honest about "
         "what they want. In tarot the matching picture is a blindfolded woman holding two "
         "crossed swords, perfectly balanced and going nowhere."),
     //: Two of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading", "Difficult choices, stalemate, truth, truce and commitment."),
     //: Two of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "What fact would settle the choice you keep putting off?")},
    {//: Three of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The Three of Spades denotes destruction. Something in your life has reached the point "
         "where it cannot be mended, and the card asks you to stop pretending otherwise. It "
         "could be a quarrel that keeps returning or a partnership built on unequal terms. "
         "Separation can hurt, but it can also free you. Look honestly at your own part in the "
         "conflict, so that you do not carry it into what comes next. From the rubble you can "
         "build a more independent life, one chosen with open eyes. A new phase begins once you "
         "let the old one go."),
     //: Three of Spades: keywords
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Independent, self-destructive, conflicts, separation and starting a new phase of "
         "life."),
     //: Three of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "What are you still trying to mend that cannot be mended?")},
    {//: Four of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Rest and recovery are the business of the Four of Spades. If the last stretch has "
         "been hard, body and mind need time to mend, and pushing on regardless only delays the "
         "return of your strength. Cancel whatever can be cancelled and turn down the noise. "
         "Problems will wait a day or two; most will still be there, and will find you better "
         "prepared. Old books connect this card with a minor illness and with the calm that "
         "follows it, when the house goes still and the mending gets done. Treat the pause as a "
         "hearth where your strength warms itself again."),
     //: Four of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading", "Rest, recovery, retreat, healing and quiet preparation."),
     //: Four of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "What could you cancel or postpone to make room for rest?")},
    {//: Five of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Nobody really wins the battle the Five of Spades describes. An argument can tempt you "
         "to prove yourself right at any cost, and the price could be higher than the prize. "
         "What do you actually want from this conflict? Often the wiser move is to step away "
         "with your dignity whole and your temper cool. If someone has wronged you, one clear "
         "boundary, stated once, does more than any amount of argument. Setbacks of this sort "
         "are temporary, and the respect you keep by declining a petty fight outlasts them by "
         "years."),
     //: Five of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Conflict, setbacks, boundaries, dignity, restraint and wise retreat."),
     //: Five of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which fight is not worth winning?")},
    {//: Six of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Rough water falls behind you under the Six of Spades. If trouble has dogged you, it "
         "begins to ease, not all at once but by degrees, the way a ferry nearing the far shore "
         "feels the water calm under its hull. Cartomancers have long linked it with a journey, "
         "often over water, and with a move away from difficulty rather than a victory over it. "
         "You need not have solved everything to be better off; distance does a good deal of "
         "the mending. Pack only what the crossing requires and leave the rest on the quay. "
         "Improvement that comes this way is slow, which is exactly why it tends to last."),
     //: Six of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Passage, gradual improvement, journeys, calmer waters and relief."),
     //: Six of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What are you leaving behind, and what goes with you across the water?")},
    {//: Seven of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Keep your wits about you when the Seven of Spades appears. Someone might not be "
         "telling the whole story, or a plan that looks simple could hide complications. Blind "
         "trust would be unwise today, and suspicion of everyone just as unwise; what the day "
         "asks for is attention. Check the details and keep private matters private. A loan you "
         "cannot afford to lose is one you cannot afford to make. Where petty deceptions are "
         "about, the surest protection is honesty, including honesty with yourself about what "
         "you hope to hear."),
     //: Seven of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading", "Caution, deception, vigilance and plain honesty."),
     //: Seven of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "What detail deserves a second look before you trust it?")},
    {//: Eight of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The Eight of Spades draws a fence around the day: plans stall, answers are slow, and "
         "every way forward seems shut. Walk the whole fence before you decide it has no gate. "
         "Some of its posts are real limits; others are only worry, and worry gives way when "
         "you lean on it. Pick one job that you can finish today and finish it. With patience "
         "and a fresh angle you will find the gate."),
     //: Eight of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Restriction, frustration, patience, perspective and small steps."),
     //: Eight of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which limits are real, and which are only worry?")},
    {//: Nine of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Of all the cards, the Nine of Spades has the heaviest name, linked with worry and "
         "sleepless nights. If anxiety sits with you today, remember that fears grow tall in "
         "the dark and shrink in daylight. Writing down what troubles you helps to sort the "
         "real problems from the imagined ones, and the real ones are easier to share. "
         "Resilience is being tested, and it has held under strain before. Every hardship you "
         "come through becomes part of the strength you draw on later. When the day is done, "
         "put the phone away early and let sleep do part of the work."),
     //: Nine of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading", "Anxiety, worry, resilience, courage and asking for help."),
     //: Nine of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "What is the worry, written down in plain words?")},
    {//: Ten of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "With the Ten of Spades something is finished, and finished for good. Older readers "
         "tied it to grief and unwelcome news, and it can carry both; what it does not carry is "
         "more of the same. If something has been hurting you, it has nowhere further to go. A "
         "parting can sting even when it was overdue, and it is allowed to. Notice which habit "
         "went with it, and do not pick that habit up again out of loyalty to the past. Ten "
         "completes the suit: from here the next deal starts with an Ace, and those same "
         "readers held that prosperity comes after the mourning."),
     //: Ten of Spades: keywords
     QT_TRANSLATE_NOOP(
         "CardReading",
         "New beginning, realization, end of bad habits, painful parting and prosperous. "),
     //: Ten of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "Which habit can leave along with what has ended?")},
    {//: King of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Cold air and clear thinking come with the King of Spades, a man whose word carries "
         "weight. He might be a judge or a surgeon, or the examiner who reads in silence and "
         "then asks the one question you hoped to avoid. He is neither cruel nor kind; he is "
         "exact. When a decision of that formal kind is due, go prepared: know your rights, "
         "have your papers in order and keep your answers brief. Few argue with his verdicts, "
         "because he always shows his reasons."),
     //: King of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading", "Authority, judgement, fairness and preparation."),
     //: King of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "What decision needs your reasons set down on paper?")},
    {//: Queen of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "Life has not been easy for the Queen of Spades, and it has left her clear-eyed rather "
         "than bitter. She has stopped pretending, and her dry wit spares no one, herself least "
         "of all. Flattery bores her. She will tell you what you need to hear instead of what "
         "you would like to hear, and she deserves thanks for it, though it stings. She also "
         "stands for clarity you have earned yourself, the kind hard experience teaches: "
         "boundaries drawn without apology and the true thing said plainly. Her smile is rare, "
         "and worth more for it."),
     //: Queen of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading",
                       "Independence, perception, honesty, boundaries and resilience."),
     //: Queen of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading",
                       "What true thing needs saying plainly, to someone or to yourself?")},
    {//: Knights of Spades: reading
     QT_TRANSLATE_NOOP(
         "CardReading",
         "The Knight of Spades fights for whatever cause he takes up and seldom stops to ask "
         "whether the fight is needed. You might meet him as a blunt acquaintance or a rival "
         "who plays to win, or find him in your own temper. Sharp words could come your way "
         "today. Before reacting, separate what was said from how it was said; there is often "
         "useful truth under bad manners. Rushing in is his fault, not a virtue to copy, since "
         "a curt reply or a reckless decision can take weeks to undo. Courage that waits on "
         "judgement serves better than courage that charges."),
     //: Knights of Spades: keywords
     QT_TRANSLATE_NOOP("CardReading", "Bluntness, impulse, haste, hard truths and courage."),
     //: Knights of Spades: journal question
     QT_TRANSLATE_NOOP("CardReading", "Was there any truth under the sharp words you heard?")},
}};

} // namespace cards
