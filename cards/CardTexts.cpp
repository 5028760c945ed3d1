#include "cards/CardTexts.h"

namespace cards {

// Each text stays on one line; the card view does its own wrapping.
const std::array<CardText, 52> kCardTexts = {{
    // 1 Ace Of Clubs
    {"A single club on a white field is the simplest of starts, and that is its point. The Ace of "
     "Clubs brings the first push behind something new: a project at work, a market stall, a "
     "skill you have promised yourself for years. Ideas come quickly under this card, and so does "
     "the nerve to try them. Old readers also counted it a card of good fortune in money, the "
     "kind that follows honest effort. Choose one small, practical step and take it while the "
     "spark is fresh. What begins now tends to grow fast, so start something you would be glad to "
     "be tending a year from today.",
     "New beginnings, inspiration, energy and opportunity."},
    // 2 Two Of Clubs
    {"Help is nearer than you think when the Two of Clubs appears. Who holds the piece your plan "
     "is missing? Very likely someone close by, a colleague or a neighbour who is handy with "
     "practical things, and you probably hold one of theirs. Show them the idea while it is still "
     "rough and let them change it. A choice between two offers, or between two ways of doing one "
     "task, may also come up. The better option is usually the one that keeps a good working "
     "friendship sound; friendships of that sort repay their keep many times over in the years "
     "that follow.",
     "Partnership, cooperation, choice, trust and shared effort."},
    // 3 Three Of Clubs
    {"Roads open under the Three of Clubs. A modest effort is ready to grow, and growth will ask "
     "you to bend: to change a routine, to travel for work, or to let a plan take a shape you did "
     "not picture at the start. Traditional readers saw in this card a second chance after an "
     "early setback, often a second marriage happier than the first, or a partnership that brings "
     "comfort and money. If a door closed on you recently, look for the side entrance that has "
     "opened since. An invitation to somewhere unfamiliar deserves a yes, even when it is only a "
     "new team, a course in the next town or a new route to the office. Ambition suits you now, "
     "provided it stays curious and kind to those who travel with you. Carry little, and learn "
     "the names of people you meet.",
     "Change, flexibility, development, traveling and ambitious"},
    // 4 Four Of Clubs
    {"After a stretch of hard work the Four of Clubs sets you on solid ground and asks you to "
     "stay there a while. Enjoy what you have built instead of adding another floor to it. "
     "Friends and workmates are on your side, and a free hour with nothing planned, or a laugh at "
     "the end of a long meeting, will do you real good. Let somebody look after you for once; "
     "accept the lift home, the cup of tea, the offer to cover your shift. Contentment of this "
     "kind is the mortar of every lasting enterprise, and you have earned a generous measure of "
     "it.",
     "Happiness, joy, rest, warm and supportive"},
    // 5 Five Of Clubs
    {"Lively company arrives with the Five of Clubs, and a little friction comes along with it. "
     "New people may join your working life, and at first their ideas could seem to clash with "
     "yours.  Treat the argument as a whetstone: two keen minds pressing against each other often "
     "produce the best edge. Today's rival may be next month's ally if you listen more than you "
     "talk, keep your sense of humour and give credit freely. Partnerships formed in this spirit "
     "of honest debate tend to last, and they bring help long after the quarrel is forgotten.",
     "New friends, healthy rivalry, debate, alliance and growth."},
    // 6 Six Of Clubs
    {"Recognition is the gift of the Six of Clubs. Work you did quietly, perhaps months ago, is "
     "about to be noticed, and it may come back to you as praise, a good review or a helping "
     "hand from someone who remembers a kindness of yours. Accept it with grace; modesty is "
     "charming, but refusing help only slows you down. Then pass some of the good luck along. A "
     "word of encouragement from you might be exactly what gets a friend's project off the "
     "ground. Success in this suit grows by being shared, so bring others with you as you climb.",
     "Recognition, success, praise, helping hands, gratitude and generosity."},
    // 7 Seven Of Clubs
    {"Hold your ground. The Seven of Clubs finds you pressed from more than one side: a "
     "deadline crowding you, or someone questioning a decision you made for good reasons. Stand "
     "firm and stay courteous, since your experience counts for more in this dispute than the "
     "volume of anyone's voice. Small irritations will try to drag you away from the main task, "
     "so pick the two or three things that truly matter today and defend them well. Everything "
     "else can wait. Keep at it steadily, and the pressure will ease once the others see that "
     "you will not budge.",
     "Perseverance, courage, defence, priorities and steady effort."},
    // 8 Eight Of Clubs
    {"Things speed up under the Eight of Clubs. Messages arrive, plans gather pace, and several "
     "matters you had been waiting on may start moving at once. Your mind is sharp and your "
     "energy high, which is just what such a pace demands. Keep one hand near the brake all the "
     "same: speed makes it easy to sign before reading or to promise more than you can deliver. "
     "Narrow your focus to what must be done this week and check each step before taking the "
     "next. That way you may well arrive ahead of schedule with your reputation for care intact.",
     "Energetic, active, powerful, sharp, cautious and focused"},
    // 9 Nine Of Clubs
    {"Late in a long effort comes the Nine of Clubs, when you are tired but still standing. The "
     "finish is nearer now, and this is the stretch where many people give up; you need not be "
     "one of them. Guard your strength. Proper meals, enough sleep and a polite no to the extra "
     "favour matter more than they seem. Go gently with friends as well, because weariness makes "
     "a small disagreement sound like a large one, and a calm word now saves a long apology "
     "later. One more steady push will see the job done.",
     "Resilience, endurance, patience and near completion."},
    // 10 Ten Of Clubs
    {"A long labour ends. The Ten of Clubs marks the close of a project, a contract or a whole "
     "year of effort, and the weight you have carried can soon be set down. Before you hurry on "
     "to the next thing, look back at what you achieved and at who helped you achieve it. If you "
     "took on more than your share along the way, hand some of it back. Rewards often follow "
     "completion in this suit, such as a bonus, a journey or a fresh offer. Finish cleanly, thank "
     "the people who shared the load, and the next chapter will open easily.",
     "Completion, responsibility, reward, relief and fresh offers."},
    // 11 King Of Clubs
    {"Think of the person who taught you how a job is really done. The King of Clubs is that kind "
     "of man: a foreman, the founder of a small firm or an old friend of the family who started "
     "with nothing and kept every promise along the way. He speaks plainly, stands by his people "
     "when things go wrong and expects loyalty in return. Advice from a man of that cut is worth "
     "having even when it comes gruffly, so go and ask for it. Sometimes the card hands his part "
     "to you instead. When others look to you for a lead, give it by example, and do not be shy "
     "of asking an experienced hand for the favour you need.",
     "Leadership, loyalty, experience, honesty, mentorship and example."},
    // 12 Queen Of Clubs
    {"Every club, office and street has its Queen of Clubs, the woman who knows everybody and "
     "somehow has a spare key, a phone number or a folding table when one is needed. She runs "
     "things without raising her voice, and people are glad to be organized by her. Her help is "
     "freely given, and asking for it pleases her. Her manner is yours to borrow, too: a written "
     "list and tasks handed out with a smile get more done than orders, and your reading of "
     "people is sound. Confidence worn lightly will open more doors this week than any title "
     "could.",
     "Confidence, warmth, organization, generosity and charm."},
    // 13 Knights Of Clubs
    {"Moving day shows who your friends are, and the Knight of Clubs is the one who arrives in "
     "work gloves and stays until the last box is carried in. Age has nothing to do with it: a "
     "retired neighbour can be this Knight as surely as a school-leaver. He volunteers first and "
     "complains last, and his energy is catching. Use some of it to get a stalled project "
     "rolling, or to say yes to a small adventure, a trip or a team you have never tried. Finish "
     "what you begin before chasing the next idea, though. And if a loyal helper has carried you "
     "lately, thank them properly, face to face.",
     "Enthusiasm, loyalty, adventure, helpfulness and quick starts."},
    // 14 Ace Of Diamond
    {"Something of value is put in your hands by the Ace of Diamonds. A payment, an offer, a new "
     "idea for earning or a small gift may come your way, and what matters is what you do next. "
     "Part of it could go aside for later and part into a skill; mending something you rely on "
     "every day is money well spent too. Old fortune-tellers read this Ace as a letter or a ring, "
     "a promise sealed with something precious, so watch the post for news that changes your "
     "plans for the better. Even a modest sum, handled wisely, can become the first stone of real "
     "security.",
     "Prosperity, new income, opportunity, gifts and good news."},
    // 15 Two Of Diamond
    {"Juggling is the skill the Two of Diamonds asks for. Bills, offers and claims on the same "
     "purse compete for your attention, and you can keep them all in the air once you find a "
     "rhythm. Write down what comes in and what goes out, and let the figures steady your nerves. "
     "Small trades, swaps and agreements between two parties go well today. A bargain struck now "
     "is likely to be fair provided you say plainly what you need and listen to what the other "
     "side needs in return. Stay supple: bend where you can, and hold firm only on the point that "
     "matters most to you.",
     "Balance, juggling, flexibility, fair exchange and planning."},
    // 16 Three Of Diamond
    {"Skilled hands are honoured by the Three of Diamonds. Something you make, mend or manage "
     "with care is worth more than its price tag, and the people around you are starting to "
     "notice. Team up with someone whose talents fill the gaps in yours. There is a caution here "
     "as well: agreements made in haste, especially over money, can sour into quarrels or even a "
     "dispute that ends up with a solicitor. Put the terms in writing and read the small print; a "
     "debt left unsettled breeds resentment. Careful work and clear words will bring you a fair "
     "reward.",
     "Craftsmanship, teamwork, agreements, caution and fair reward."},
    // 17 Four Of Diamond
    {"Under your feet the Four of Diamonds lays a firm floor. Your finances may not be glamorous, "
     "but they are sounder than your worries suggest, and a little discipline now will make them "
     "stronger still.  Before buying anything new, see what you already own; much of it can be "
     "repaired or put to better use. Be wary, though, of gripping so tightly that security turns "
     "into a fear of spending, because a purse that never opens can cost you friendships and "
     "chances alike. Saving works best with a purpose in mind, and a gift where it helps is never "
     "wasted: money should serve the life you want to lead.",
     "Stability, security, savings and prudence."},
    // 18 Five Of Diamond
    {"The Five of Diamonds shakes the ground a little. An expense you did not plan for, a change "
     "in income or a move to a new address may be on its way. Panic will only make the sums "
     "harder. Turbulence of this kind often clears space for something better, the way a gale "
     "strips dead wood so that new growth can come through. Ask for help if you need it; pride "
     "keeps poor accounts. Being open about where you stand may bring you support you did not "
     "know existed, and a sensible change now could leave you on firmer footing within a few "
     "months.",
     "Change, unexpected expense, moving, honesty and support."},
    // 19 Six Of Diamond
    {"Money and favours flow both ways when the Six of Diamonds turns up. You may be repaid a "
     "sum you had forgotten, or find yourself able to help someone who is struggling. Give "
     "without keeping score, and receive without blushing. Fairness is the heart of this card, "
     "so look over your own dealings with an employer, a landlord or the friend who once lent "
     "you the deposit. An old debt settled today, in either direction, lightens the mind as "
     "well as the purse and leaves both parties free to trust each other again.",
     "Generosity, fairness, giving, receiving and settled debts."},
    // 20 Seven Of Diamond
    {"Call the Seven of Diamonds a card for gardeners. You have planted something, a savings "
     "plan, a small business on the side or a long effort at work, and now you must wait for it "
     "to bear fruit. Do not dig up the seeds to check whether they are sprouting. Tend what you "
     "can instead, a wasteful expense that wants trimming or a useful contact gone quiet, and "
     "leave idle talk about other people's earnings to those who enjoy it. Comparing your harvest "
     "with a neighbour's only spoils the taste of your own. Steady care now promises a generous "
     "return when the time comes.",
     "Patience, investment, growth, perseverance and harvest."},
    // 21 Eight Of Diamond
    {"Apprentices of every age are favoured by the Eight of Diamonds. Work that asks for patience "
     "and precision suits you today, and every careful hour adds to both your skill and your "
     "value. Perhaps you are learning a new trade, sharpening an old one or simply doing ordinary "
     "tasks a shade better than yesterday. A modest sum may also arrive from extra work or a "
     "small sale. It will not change your life overnight, yet it confirms that you are on the "
     "right path. Keep practising: mastery is made from exactly this kind of quiet repetition.",
     "Diligence, skill, mastery, practice and modest reward."},
    // 22 Nine Of Diamond
    {"The Nine of Diamonds celebrates comfort earned with your own hands. You have got to where "
     "you can stand on your feet unaided, and that independence deserves to be savoured. Treat "
     "yourself to quality over quantity: a good meal, a well-made tool, an hour in a garden you "
     "planted. Self-reliance does not mean doing everything alone; it means your security no "
     "longer hangs on anybody's approval. Keep your ambitions high, and let today remind you how "
     "far your own effort has carried you already",
     "Self- reliance, self-actualization, independent, satisfied and ambitious."},
    // 23 Ten Of Diamond
    {"Wealth that outlasts a single payday belongs to the Ten of Diamonds: a paid-off home, a "
     "family business, savings that quietly protect the people you love. News of a large "
     "purchase, an inheritance or a long-term plan finally coming together may reach you today. "
     "Take pleasure in it. Then give an hour to the dull part, the will, the insurance, the "
     "papers kept somewhere safe, because comfort that is well guarded can pass from one "
     "generation to the next. When the family next sits down together, tell the story of how it "
     "was earned; the young ones will remember it longer than the figures.",
     "Wealth, abundance, family, legacy, security and celebration."},
    // 24 King Of Diamond
    {"Shrewd, good-humoured and impossible to hurry, the King of Diamonds reads every contract "
     "twice and enjoys a good haggle. He began with a market stall, now owns the shop on the "
     "corner and still counts the till himself. He respects people who know their numbers and "
     "forgives almost anything except waste. Before any financial decision today, think as he "
     "would: facts first, then a fair comparison of the offers, and no signature for anyone who "
     "presses you to hurry. Your own head for business is sound, and a firm, fair offer made this "
     "week has every chance of acceptance.",
     "Business sense, wisdom, authority, caution and fair dealing."},
    // 25 Queen Of Diamond
    {"A woman with an eye for quality and a head for sums, the Queen of Diamonds can tell silk "
     "from polyester across a room and knows what each costs by the metre. She likes lovely "
     "things and is never owned by them. Today she invites you to enjoy a little beauty, a good "
     "coat or flowers on the table, while keeping an honest record of the expense. Practical "
     "advice from her about money or work deserves close attention; her bargains are legendary. "
     "Keep your own secrets, though, because this Queen loves to talk, and what you tell her in "
     "confidence may be all over the street within the week.",
     "Resourcefulness, elegance, practicality, value, good taste and discretion."},
    // 26 Knights Of Diamond
    {"Somewhere between you and the money stands the Knight of Diamonds, with a ledger in one "
     "pocket and a timetable in the other. He is the dependable go-between of money matters: the "
     "courier with the parcel, the agent with the quote, the cousin who knows somebody selling a "
     "van. Whatever his years, he is thorough and in a hurry at once, and that mixture can work "
     "for you today. An offer or a payment may travel towards you through a third person. Read "
     "every line before you agree, and ask the question you feel silly asking. If the deal still "
     "stands up once the figures are checked, take it without further dithering.",
     "Errands, offers, diligence, careful checks and opportunity."},
    // 27 Ace Of Hearts
    {"As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have cherished "
     "for generations: the first warm stirring of affection, the start of a friendship, the "
     "moment a house begins to feel like home. Your heart is open today, and that openness is a "
     "gift to everyone near you. The kind word you have been holding back is worth saying, and "
     "being looked after for once is no weakness. New love, a new family tie or a happy letter "
     "may be on the way. Whatever begins now begins in sincerity, and it deserves the chance to "
     "grow.",
     "Love, new affection, sincerity, openness and joy at home."},
    // 28 Two Of Hearts
    {"Two people find their way to each other in the Two of Hearts. Romance, a close friendship "
     "or a reconciliation with someone you had drifted away from: whatever form it takes, the "
     "feeling runs both ways. Ask how the other person really is, and answer honestly when the "
     "question comes back to you. Small gestures carry great weight here: tea brought without "
     "asking, a message sent for no reason, a hand held a moment longer. If a coolness has "
     "settled between you and someone dear, take the first step back towards them. This time "
     "the step is yours.",
     "Harmony, mutual love, tenderness and reconciliation."},
    // 29 Three Of Hearts
    {"Voices fill the house. The Three of Hearts brings company, perhaps a family celebration or "
     "friends dropping by unannounced, and laughter comes easily; enjoy every minute. There is "
     "one caution in this cheerful card. When affection is shared among three, somebody can end "
     "up feeling left out, or a harmless flirtation can be read as more than it was. Be honest "
     "about your feelings, the ones you have and the ones you do not, and keep your promises "
     "small enough to keep. Honesty of that kind keeps the whole circle warm, your own peace of "
     "mind included.",
     "Celebration, friendship, gatherings, honesty and clear feelings."},
    // 30 Four Of Hearts
    {"A peaceful home is honoured by the Four of Hearts. Life indoors feels steady, and such "
     "stability is worth treasuring. Still, a quiet restlessness may stir, a sense that comfort "
     "is sliding into routine. Bring the freshness home rather than hunting for it elsewhere; "
     "moving the furniture or cooking a dish nobody has tried can do more than a trip abroad. In "
     "older readings this card could also foretell a change of address or a commitment that is "
     "delayed but happy in the end. Whatever you build today, make it sturdy and make it pleasant "
     "to live in.",
     "Domestic peace, stability, renewal, home and commitment."},
    // 31 Five Of Hearts
    {"Some feelings are hard to name, and the Five of Hearts stirs a few of them. A small "
     "disappointment, a flash of jealousy or an old regret may surface, and it is tempting to let "
     "it tint the whole day. Look at it gently instead; a mood like this wants understanding more "
     "than obedience. Talking to someone you trust helps, and so does a letter you may never "
     "post. When the cloud passes you will see which attachments still deserve your love and "
     "which you are ready to release at last",
     "Mixed emotions, disappointment, reflection, release and healing."},
    // 32 Six Of Hearts
    {"Sweet memories drift back with the Six of Hearts: a childhood street, a first home, a "
     "friend from long ago. They carry warmth rather than sorrow, and they remind you of who "
     "you were before life grew complicated. Someone from your past could get in touch, or you "
     "may feel moved to write to them first. Simple generosity is favoured as well. A present "
     "given for no occasion, an errand run for an elderly neighbour or a board game played with "
     "a child will please you as much as the person you do it for. The plainest pleasures turn "
     "out to be the richest ones.",
     "Nostalgia, childhood, old friends, kindness and simple joys."},
    // 33 Seven Of Hearts
    {"Possibilities crowd around you, and the Seven of Hearts warns that not all of them are what "
     "they seem. A charming promise, a daydream about someone new or an offer that sounds too "
     "good to be true could tempt you. Enjoy the imagining, but take time before acting on it. "
     "This is an old card of changeable affections, so judge people by what they do over weeks, "
     "never by what they say over one glass of wine. Your heart deserves someone steady. When the "
     "choice comes, pick the quiet, real thing over the glittering illusion.",
     "Temptation, illusions, choices, discernment, patience and steadiness."},
    // 34 Eight Of Hearts
    {"Expect an invitation from the Eight of Hearts. A party, a wedding, a family dinner or an "
     "unexpected visit may fill your calendar, and you will be glad you said yes. This sociable, "
     "generous card rewards anyone who turns up. Dress in something you love and let the company "
     "delight you. Conversations begun at such a gathering could deepen a friendship or start a "
     "romance. If you have been keeping to yourself lately, take the chance to come back into the "
     "warmth of your own people",
     "Invitations, gatherings, generosity, romance and warmth."},
    // 35 Nine Of Hearts
    {"Known everywhere as the wish card, the Nine of Hearts is counted by many readers the "
     "luckiest in the deck. A hope you have held close, perhaps for years, is nearing fulfilment. "
     "Name your wish plainly, if only to yourself, and then behave as though it may come true. "
     "Happiness is close at hand, and so is romance. Make time to relax and enjoy them instead of "
     "scanning the horizon for the next worry. Contentment is knocking; let it in without asking "
     "whether you have deserved it.",
     "love, romance, joy, happiness and relaxing."},
    // 36 Ten Of Hearts
    {"As the symbol itself denotes, the Ace of Hearts symbolizes love card players know by heart, "
     "and the Ten carries that love to its fullest bloom. Here a single heart has become a "
     "household: a happy family, a long partnership, a circle of friends who feel like kin. Deep "
     "contentment is likely, perhaps with good news about a home, a wedding or a baby. Gather "
     "your people and celebrate what you have made together. Affection that has been tested and "
     "has lasted is a fortune of its own. Look around the table at the next family meal and name "
     "each blessing.",
     "Family happiness, fulfilment, lasting love, home and celebration."},
    // 37 King Of Hearts
    {"Picture a man who remembers the names of his neighbours' children and still gets choked up "
     "at weddings. The King of Hearts is warm, generous and a touch impulsive, quick to anger and "
     "quicker to forgive. A father or a trusted counsellor of this temper may settle a quarrel in "
     "your circle today; let him. If nobody steps forward, the part is yours. Hearing both sides "
     "before you judge is half the work, and comfort offered without a lecture is the other half. "
     "Among the Hearts strength looks a great deal like tenderness, and you have plenty of that.",
     "Kindness, fairness, emotional wisdom, comfort and gentle strength."},
    // 38 Queen Of Hearts
    {"The kettle is always on at the Queen of Hearts' table. She is the woman everyone rings in a "
     "crisis, who remembers every birthday and turns up with soup when you are ill.  Her gift is "
     "intuition, a feeling for what others need before they say it. That gift is strong in you as "
     "well today, and people will lean on you. A pot of something warm carried next door, or a "
     "note to someone lonely, will mean more than you think, and a small fault can pass "
     "unmentioned. Look after yourself with equal care, though, and keep one quiet hour for your "
     "own heart.",
     "Nurturing, devotion, intuition, compassion, comfort and self-care."},
    // 39 Knights Of Hearts
    {"Charming, attentive and a little too fond of grand gestures, the Knight of Hearts courts "
     "the world. He could be an admirer, a best friend who sends flowers on your birthday, or the "
     "sentimental side of you that still writes poems in the margins. In his company romance "
     "feels easy and a surprise is never far away. Enjoy the attention, and if you are the one "
     "doing the courting, speak from the heart while you have the nerve. Let your feelings take "
     "their time. A tender gesture is lovely; a rash promise made by candlelight can be hard to "
     "unsay.",
     "Romance, devotion, charm, good company and open hearts."},
    // 40 Ace Of Spades
    {"Feared by many, the Ace of Spades is really a card of transformation. Some part of your "
     "life is ending, or needs to end, so that something sturdier can take its place: a habit, a "
     "job, a belief or a relationship that has run its course. Remember that a spade is also a "
     "digging tool, the blade that breaks hard ground so that roots can take hold. Endings are "
     "rarely comfortable, but this Ace offers a clean cut. Decide what no longer serves you and "
     "act on it firmly. Whatever grows in the cleared ground will be truly yours.",
     "Transformation, endings, decisiveness and renewal."},
    // 41 Two Of Spades
    {"Stalemate is the word for the Two of Spades. Two paths, two loyalties or two truths pull "
     "you in opposite directions, and you may be tempted not to choose at all. Putting it off "
     "will only leave you standing at the crossroads. Look squarely at the whole situation. Facts "
     "help, and so does your instinct, though no choice will be perfect. A tense conversation may "
     "be needed, and a truce is possible if both sides are honest about what they want. Once you "
     "commit to one road, the strain in your shoulders will ease.",
     "Difficult choices, stalemate, truth, truce and commitment."},
    // 42 Three Of Spades
    {"The Three of Spades denotes destruction. Something in your life has reached the point where "
     "it cannot be mended, and the card asks you to stop pretending otherwise. It may be a "
     "quarrel that keeps returning, a partnership built on unequal terms, or a habit that harms "
     "you more than it helps.  Separation can hurt, but it can also free you. Look honestly at "
     "your own part in the conflict, so that you do not carry it into what comes next. From the "
     "rubble you can build a more independent life, one chosen with open eyes. A new phase begins "
     "once you let the old one go.",
     "Independent, self-destructive, conflicts, separation and starting a new phase of life."},
    // 43 Four Of Spades
    {"Rest and recovery are the business of the Four of Spades. After a spell of struggle your "
     "body and mind need time to mend, and pushing on regardless will only delay your return to "
     "strength. Cancel whatever can be cancelled and turn down the noise. Problems will wait a "
     "day or two; most will still be there, and you will meet them better prepared. Old books "
     "connect this card with a minor illness or a short confinement, and with the calm that "
     "follows. Think of the quiet as a hearth where your strength warms itself again.",
     "Rest, recovery, retreat, healing and quiet preparation."},
    // 44 Five Of Spades
    {"Nobody really wins the battle the Five of Spades describes. An argument at work or at home "
     "may tempt you to prove yourself right at any cost, and the price could be higher than the "
     "prize. What do you actually want from this conflict? Often the wiser move is to step away "
     "with your dignity whole and your temper cool. If someone has wronged you, one firm "
     "boundary, stated once, does more than any amount of argument. Setbacks this week are "
     "temporary, and the respect you keep by declining a petty fight will outlast them by years.",
     "Conflict, setbacks, boundaries, dignity, restraint and wise retreat."},
    // 45 Six Of Spades
    {"The Six of Spades denotes destruction. Something in your life has reached the point where "
     "it cannot be mended, and the card asks you to stop pretending otherwise. It may be a "
     "quarrel that keeps returning, a partnership built on unequal terms, or a habit that harms "
     "you more than it helps.  Separation can hurt, but it can also free you. Look honestly at "
     "your own part in the conflict, so that you do not carry it into what comes next. From the "
     "rubble you can build a more independent life, one chosen with open eyes. A new phase begins "
     "once you let the old one go.",
     "Independent, self-destructive, conflicts, separation and starting a new phase of life."},
    // 46 Seven Of Spades
    {"Keep your wits about you when the Seven of Spades appears. Someone may not be telling the "
     "whole story, or a plan that looks simple may hide complications. Blind trust would be "
     "unwise today, and so would suspicion of everyone; what the day asks for is quiet attention. "
     "Check the details and keep private matters private. A loan you cannot afford to lose is one "
     "you cannot afford to make. Honesty, including honesty with yourself about what you hope to "
     "hear, is the surest protection in a card of small deceptions.",
     "Caution, deception, vigilance and plain honesty."},
    // 47 Eight Of Spades
    {"Hemmed in is how the Eight of Spades can make you feel, as if every road were closed and "
     "every plan had stalled. Walk the boundary slowly. Some of those walls are built of worry, "
     "and worry gives way if pushed. Pick one small task you can finish today, and do it. A "
     "cancelled meeting or a cool reply ends nothing. With patience and a fresh angle you will "
     "find a gap in the hedge.",
     "Restriction, frustration, patience, perspective and small steps."},
    // 48 Nine Of Spades
    {"Of all the cards, the Nine of Spades has the heaviest name, linked with worry, sleepless "
     "nights and disappointment. If anxiety sits with you today, remember that fears grow tall in "
     "the dark and shrink in daylight. Writing down what troubles you helps to sort the real "
     "problems from the imagined ones, and the real ones are easier to share. Your resilience is "
     "being tested, and it has held under strain before. Every hardship you come through becomes "
     "part of the strength you lean on later. When the day is done, put the phone away early and "
     "let sleep do part of the work.",
     "Anxiety, worry, resilience, courage and asking for help."},
    // 49 Ten Of Spades
    {"The Ten of Spades closes a painful chapter. Something you have struggled with is over, and "
     "although the parting may sting, the worst is now behind you. From this low point the road "
     "can only climb. Once you recognize the lesson, the habit or the hope that kept hurting you "
     "can be released; watch for the first grey light on the horizon. Older readers called this a "
     "card of grief and unwelcome news, and so it is, but the grief it brings is a grief for what "
     "has ended. Give yourself a little time to mourn, then walk on; prosperity has a way of "
     "finding people who have learned to travel light.",
     "New beginning, realization, end of bad habits, painful parting and prosperous. "},
    // 50 King Of Spades
    {"Cold air and clear thinking come with the King of Spades, a man whose word carries weight. "
     "He may be a judge, a surgeon, a tax inspector or the senior partner who reads your report "
     "in silence and then asks the one question you hoped to avoid. He is neither cruel nor kind; "
     "he is exact. Meeting him, or a formal decision, an official letter or a hearing, calls for "
     "preparation: your rights known, your documents in order and your answers brief. When the "
     "hard call is yours to make, make it fairly and put your reasons on the record.",
     "Authority, judgement, fairness and preparation."},
    // 51 Queen Of Spades
    {"Life has not been easy for the Queen of Spades, and it has left her clear-eyed rather than "
     "bitter. Perhaps she rebuilt her life alone after a loss; she has certainly stopped "
     "pretending, and her dry wit spares no one, herself least of all. Flattery bores her. She "
     "will tell you what you need to hear instead of what you would like to hear, and deserves "
     "thanks for it, even if it stings. She also stands for your own hard-won clarity: boundaries "
     "drawn without apology, the true thing said plainly, and judgement that your difficulties "
     "have taught you.",
     "Independence, perception, honesty, boundaries and resilience."},
    // 52 Knights Of Spades
    {"The Knight of Spades fights for whatever cause he takes up and seldom stops to ask whether "
     "the fight is needed. You may meet him in a blunt workmate or a rival who plays to win, or "
     "find him in your own temper after too little sleep. Sharp words could come your way today. "
     "Before reacting, separate what was said from how it was said; there may be useful truth "
     "under the bad manners. Guard against rushing in yourself, since a curt reply or a reckless "
     "decision can take weeks to undo. Let your courage wait on your judgement, and it will serve "
     "you well.",
     "Bluntness, impulse, haste, hard truths and courage."},
}};

} // namespace cards
