#include "cards/CardWritings.h"

namespace cards {

// Each text stays on one line; the card view does its own wrapping.
const std::array<CardWriting, 52> kCardWritings = {{
    // 1 Ace Of Clubs
    {"The Ace of Clubs puts a spark in your hand today. An idea you have been turning over "
     "in quiet moments is ready to be tried in the open, whether it is a project at work, "
     "a small business, or a skill you have meant to learn for years. Energy comes easily "
     "now, and people notice when you speak with conviction. Take the first practical step "
     "before the day ends: write the email, book the meeting, buy the notebook. Beginnings "
     "under this card tend to grow faster than you expect, so start with something you "
     "would be glad to keep doing. If doubt creeps in, remember that every thriving "
     "enterprise was once only a hunch scribbled on the back of an envelope.",
     "New beginnings, inspiration, energy, drive and opportunity."},
    // 2 Two Of Clubs
    {"The Two of Clubs speaks of partnership at work. Someone near you, a colleague, a "
     "friend or a neighbour with a good head for practical things, has the piece you are "
     "missing, and you have the piece they lack. Today favours a conversation rather than "
     "a solo effort. Share the plan before it is finished and let the other person improve "
     "it. You may also face a small choice between two offers or two ways of doing the "
     "same task; pick the one that keeps a good working friendship intact, because that "
     "friendship will pay you back many times over.",
     "Partnership, cooperation, choice, trust and shared effort."},
    // 3 Three Of Clubs
    {"The Three of Clubs is a card of widening horizons. What began as a small effort is "
     "ready to grow, and growth asks you to be flexible: to change a routine, to travel "
     "for work, or to let a plan take a shape you had not pictured at the start. "
     "Traditional readers linked this card with trade over distance and a second chance "
     "after an early setback, and both ideas suit your day. If a door closed on you "
     "recently, look for the side entrance that has opened since. Say yes to the "
     "invitation that takes you somewhere unfamiliar, even if it is only a new team or a "
     "new route to work. Ambition serves you well today as long as it stays curious. Keep "
     "your eyes on the horizon and your feet ready to move; the next opportunity may be "
     "waiting just down the road.",
     "Change, flexibility, development, traveling and ambitious"},
    // 4 Four Of Clubs
    {"The Four of Clubs is a card of solid ground. After a stretch of effort you have "
     "earned a pause, and today invites you to enjoy what you have built instead of adding "
     "another floor to it. Friends and coworkers are on your side; a shared meal, a laugh "
     "at the end of a long meeting, or an evening with nothing scheduled will restore more "
     "than you think. Rest is not idleness under this card. It is the mortar that keeps "
     "the walls standing. Let someone support you for a change, and notice how warm that "
     "feels.",
     "Happiness, joy, rest, warm and supportive"},
    // 5 Five Of Clubs
    {"The Five of Clubs brings lively company and a little friction with it. New people "
     "may enter your working life, and at first their ideas may seem to clash with yours.  "
     "Do not mistake debate for hostility. The sparks between you are a sign that "
     "something useful is being forged, and a rival today can become an ally by the end of "
     "the month. Listen more than you argue, keep your sense of humour, and be generous "
     "with credit. An alliance formed under this card, whether a friendship or a business "
     "partnership, tends to bring lasting help.",
     "New friends, healthy rivalry, debate, alliance and growth."},
    // 6 Six Of Clubs
    {"The Six of Clubs carries the sweet taste of recognition. Work you did quietly, "
     "perhaps some time ago, is about to be noticed, and you may receive praise, a good "
     "review, or a helping hand from someone who remembers your kindness. Accept it "
     "gracefully; modesty is charming, but refusing help only slows you down. This is also "
     "a good day to return the favour. A word of encouragement from you could lift a "
     "friend's project off the ground. Success under this card grows by being shared, so "
     "bring others along as you climb.",
     "Recognition, success, praise, helping hands and gratitude."},
    // 7 Seven Of Clubs
    {"The Seven of Clubs finds you holding your position against some pressure. Perhaps a "
     "deadline is crowding you, or someone questions a decision you have good reasons for. "
     "Stand firm, but stand with grace. You have more support than it feels like in the "
     "moment, and your experience counts. The card also warns against letting small "
     "irritations distract you from the main task. Choose the two or three things that "
     "really matter today and defend them well; let the rest go. Persistence, not force, "
     "is what carries you through this one.",
     "Perseverance, courage, defense, priorities and steady effort."},
    // 8 Eight Of Clubs
    {"The Eight of Clubs moves quickly. Messages arrive, plans accelerate, and you may "
     "find that several things you had been waiting on all start at once. Your mind is "
     "sharp and your energy is high, which is exactly what this pace demands. Still, the "
     "card carries a note of caution: speed makes it easy to sign before reading or to "
     "promise more than you can deliver. Keep your focus narrow and your judgment awake. "
     "Ride the momentum, but check the map at every crossing, and you will arrive ahead of "
     "schedule.",
     "Energetic, active, powerful, sharp, cautious and focused"},
    // 9 Nine Of Clubs
    {"The Nine of Clubs shows a worker near the end of a long shift, tired but unbeaten. "
     "You have come further than you realize, and the finish is close. This is the moment "
     "when many people quit, so do not be one of them. Guard your energy: eat properly, "
     "sleep, and decline the extra favour that would stretch you too thin. Be careful with "
     "friends today as well; weariness can make a small disagreement sound bigger than it "
     "is. A calm word now saves a long apology later. One more steady push and the job is "
     "done.",
     "Resilience, endurance, caution, patience and near completion."},
    // 10 Ten Of Clubs
    {"The Ten of Clubs marks the end of a long labour. A project, a contract or a season "
     "of hard work is reaching its conclusion, and the weight you have been carrying can "
     "soon be set down. Before you rush to the next thing, look back at what you achieved. "
     "You may have taken on more than your share along the way; this is a good day to hand "
     "some of it back. Good fortune follows completion under this card, often in the form "
     "of a reward, a trip or a fresh offer. Finish cleanly and the next chapter opens "
     "easily. Celebrate with the people who helped you carry the load; a shared dinner or "
     "a simple thank-you note will mean more to them than you imagine.",
     "Completion, responsibility, reward, relief and fresh offers."},
    // 11 King Of Clubs
    {"The King of Clubs is a mature man of action and loyalty: a mentor, a manager, or an "
     "old friend who knows how things are done. He may appear in your day with advice "
     "worth taking, or he may describe the role you are being asked to play. Lead by "
     "example. Be the person who keeps promises, who speaks plainly, and who stands up for "
     "the team when it counts. People trust steady hands, and today yours are steadier "
     "than you think. If you need a favour, ask someone of experience; the answer is "
     "likely to be yes.",
     "Leadership, loyalty, experience, honesty and mentorship."},
    // 12 Queen Of Clubs
    {"The Queen of Clubs is a confident, warm woman who gets things done without making a "
     "fuss. She may be a friend who always knows someone who can help, or a colleague "
     "whose calm holds the whole office together. Her message to you is that charm and "
     "competence work best together. Organize your day with her quiet authority: make the "
     "list, delegate with kindness, and trust your instincts about people. If someone "
     "comes to you for support, your encouragement could change the direction of their "
     "week. Your generosity is a strength, not a weakness.",
     "Confidence, warmth, organization, generosity and charm."},
    // 13 Knights Of Clubs
    {"The Knight of Clubs rides in with news. A young, restless person, or the restless "
     "part of you, is eager to start something and cannot wait for permission. Expect a "
     "message about work: an invitation, an offer, or a rumour worth checking. Enthusiasm "
     "is your gift today, and it is contagious. Use it to get a stalled project moving, "
     "but finish what you start before galloping after the next idea. A loyal friend may "
     "also prove their worth, so thank them properly. Adventure is close; saddle up, but "
     "hold the reins.",
     "Enthusiasm, news, adventure, loyal friends and quick starts."},
    // 14 Ace Of Diamond
    {"The Ace of Diamonds brings a bright new beginning in material matters. A payment, an "
     "offer, a promising idea for earning, or even a small gift may come your way. Treat "
     "it as a seed rather than a windfall. The value of this card lies in what you do "
     "next: put part of it aside, invest it in a skill, or use it to repair something you "
     "rely on. Traditional readers also tied this Ace to a letter or a ring, a sign of "
     "commitment sealed with something precious. Keep your eyes open for a message that "
     "changes your plans for the better. Even a small sum, handled wisely today, can "
     "become the first stone of real security.",
     "Prosperity, new income, opportunity, gifts and good news."},
    // 15 Two Of Diamond
    {"The Two of Diamonds asks you to juggle. Two bills, two offers or two demands on the "
     "same budget compete for your attention, and you can handle both if you keep your "
     "rhythm. Make a simple plan: write down what comes in and what goes out, and let the "
     "numbers calm you. This card also favours small exchanges, trades and agreements "
     "between two parties. A deal struck today is likely to be fair if you speak honestly "
     "about what you need. Flexibility is your best asset, so bend where you can and hold "
     "firm only where it truly matters.",
     "Balance, juggling, flexibility, fair exchange and planning."},
    // 16 Three Of Diamond
    {"The Three of Diamonds honours skilled work. Something you make, mend or manage with "
     "care is worth more than its price tag, and the people around you are starting to see "
     "that. This is a good day to collaborate with someone whose talents complement your "
     "own. The card carries a gentle warning as well: agreements made in haste, especially "
     "ones involving money, can turn into quarrels later. Put terms in writing, read the "
     "small print, and settle any debt before it grows into resentment. Careful hands and "
     "clear words will earn you a fair reward.",
     "Craftsmanship, teamwork, agreements, caution and fair reward."},
    // 17 Four Of Diamond
    {"The Four of Diamonds lays a firm foundation under your feet. Your finances may not "
     "be glamorous today, but they are sturdier than you fear, and a little discipline now "
     "will make them stronger still.  Look at what you already own before you buy anything "
     "new. Repair, reorganize and take stock. There is also a warning against holding on "
     "too tightly: security that turns into fear of spending can cost you joy and "
     "opportunities. Save with purpose, give with wisdom, and let your money serve your "
     "life rather than rule it.",
     "Stability, security, savings, discipline and prudence."},
    // 18 Five Of Diamond
    {"The Five of Diamonds signals a shift in your material life. An expense you did not "
     "plan for, a change in income or a move from one place to another may be on the "
     "horizon. Do not meet it with panic. This card often brings turbulence that clears "
     "the way for better ground, much like a storm that waters a dry field. Reach out if "
     "you need help; pride is a poor accountant. By being honest about your situation you "
     "may discover support and resources you did not know were there, and a sensible "
     "change could leave you better off than before.",
     "Change, unexpected expense, moving, honesty and support."},
    // 19 Six Of Diamond
    {"The Six of Diamonds is the card of open hands. Money and favours flow in both "
     "directions today: you may be repaid something you had forgotten about, or find "
     "yourself in a position to help someone who needs it. Give without keeping score, and "
     "receive without embarrassment. Fair exchange is the heart of this card, so check "
     "that your own dealings are balanced, whether with an employer, a landlord or a "
     "friend who once lent you money. Settling old accounts will lighten your mind as much "
     "as your purse.",
     "Generosity, fairness, giving, receiving and settled debts."},
    // 20 Seven Of Diamond
    {"The Seven of Diamonds is the gardener's card. You have planted something, a savings "
     "plan, a side business or a long effort at work, and now you are waiting for it to "
     "bear fruit. Patience is the lesson today. Do not dig up the seeds to see if they are "
     "growing. Instead, tend what you can: trim a wasteful expense, water a useful "
     "contact, and ignore idle gossip about what others earn. Comparing your harvest with "
     "your neighbour's will only spoil your own. Steady care now promises a generous "
     "return when the season turns.",
     "Patience, investment, growth, perseverance and harvest."},
    // 21 Eight Of Diamond
    {"The Eight of Diamonds rewards diligence. Work that asks for patience and precision "
     "suits you today, and every careful hour adds to your skill and your worth. You may "
     "be learning a new trade, sharpening an old one, or simply doing your ordinary tasks "
     "a little better than yesterday. A modest sum of money, perhaps from extra work or a "
     "small sale, may also arrive. It will not change your life in a day, but it confirms "
     "you are on the right path. Keep practicing; mastery is built from exactly this kind "
     "of quiet effort.",
     "Diligence, skill, mastery, practice and modest reward."},
    // 22 Nine Of Diamond
    {"The Nine of Diamonds celebrates the comfort you have earned with your own hands. You "
     "have reached a point where you can stand on your own, and that independence is worth "
     "savouring. Treat yourself to something of quality rather than quantity: a good meal, "
     "a well made tool, an afternoon in a garden. Self-reliance does not mean you must do "
     "everything alone, but it does mean your security no longer depends on anyone's "
     "approval. Keep your ambitions high, and let today remind you how far your own effort "
     "has already carried you",
     "Self- reliance, self-actualization, independent, satisfied and ambitious."},
    // 23 Ten Of Diamond
    {"The Ten of Diamonds is a card of abundance made lasting. It speaks of wealth that "
     "outlives a single payday: a home, a family business, savings that protect the people "
     "you love. Today may bring news of a large purchase, an inheritance or a long-term "
     "plan finally coming together. Think beyond yourself. How you handle money now can "
     "shape the comfort of those who come after you. Celebrate what has been completed, "
     "and then make sure it is well protected. Success under this card is meant to be "
     "shared around a long table. Invite the family, open the good bottle, and tell the "
     "story of how it was earned, so the younger ones learn that abundance is built, not "
     "found.",
     "Wealth, abundance, family, legacy, security and celebration."},
    // 24 King Of Diamond
    {"The King of Diamonds is a shrewd and practical man, the kind who reads a contract "
     "twice and rarely regrets a purchase. He may be a banker, an employer or a relative "
     "whose advice about money is worth hearing, even if it is blunt. His presence today "
     "suggests that a financial decision should be made with a cool head. Gather the "
     "facts, compare the numbers and ignore the pressure to decide quickly. You have good "
     "business sense; trust it. A firm, fair offer made now is likely to be accepted.",
     "Business sense, wisdom, authority, caution and fair dealing."},
    // 25 Queen Of Diamond
    {"The Queen of Diamonds is a resourceful woman with an eye for beauty and a talent for "
     "making money go further. She knows the value of things and the value of people, and "
     "she seldom confuses the two. Her message to you is to enjoy the good things in life "
     "without being owned by them. Dress well, set a lovely table, buy the better fabric, "
     "but keep a careful record of what it all costs. If a woman offers you practical "
     "advice about money or work today, listen closely. Her experience may save you a "
     "great deal.",
     "Resourcefulness, elegance, practicality, value and good taste."},
    // 26 Knights Of Diamond
    {"The Knight of Diamonds arrives with news about money. A message, a parcel, a payment "
     "or a business proposal could reach you today, possibly through a young person or "
     "someone new to your circle. Read everything carefully before you commit. This Knight "
     "is eager and well meaning, but eagerness can hide gaps in a plan. Ask questions, "
     "check the figures, and if the deal still looks good, move on it with confidence. The "
     "card also favours studying anything practical: a course, a trade or a new way to "
     "manage your accounts.",
     "Financial news, offers, diligence, study and opportunity."},
    // 27 Ace Of Hearts
    {"As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have "
     "cherished for generations: the first warm stirring of affection, the start of a "
     "friendship, or the moment a house begins to feel like home. Today your heart is "
     "open, and that openness is a gift. Say the kind word you have been holding back, "
     "reach out to someone you miss, or simply allow yourself to be cared for. New love, "
     "new family ties or a happy letter may be on the way. Whatever begins now begins with "
     "sincerity, so let it grow.",
     "Love, new affection, sincerity, openness and joy at home."},
    // 28 Two Of Hearts
    {"The Two of Hearts brings two people into harmony. It may be a romance, a close "
     "friendship or a reconciliation with someone you had drifted away from, but whatever "
     "form it takes, the feeling is mutual. Today favours honest, tender conversation. Ask "
     "how the other person really is, and answer the same question truthfully yourself. "
     "Small gestures carry great weight: a shared cup of tea, a message sent for no "
     "reason, a hand held a little longer. A bond strengthened today can become one of the "
     "steady joys of your life. If a coolness has settled between you and someone dear, "
     "this card favours the first step back towards each other, and the step is yours to "
     "take.",
     "Harmony, mutual love, partnership, tenderness and reconciliation."},
    // 29 Three Of Hearts
    {"The Three of Hearts fills the house with voices. A gathering, a visit from friends "
     "or a family celebration could brighten your day, and laughter comes easily. Enjoy it "
     "fully. The card also asks for a little care in matters of the heart: when affection "
     "is shared among three, someone can feel left out or confused. Be clear about your "
     "feelings, and do not let a pleasant flirtation or a well meant promise create "
     "misunderstandings. Honesty keeps every friendship in the circle warm, and it keeps "
     "your own peace of mind intact.",
     "Celebration, friendship, gatherings, honesty and clear feelings."},
    // 30 Four Of Hearts
    {"The Four of Hearts builds four walls around a peaceful home. Life in your household "
     "feels settled, and that stability is something to treasure. Yet the card hints at a "
     "quiet restlessness, a sense that comfort could slip into routine. Rather than "
     "seeking excitement elsewhere, bring freshness home: rearrange a room, cook something "
     "new, plan a short trip together. Traditional readers linked this card with a change "
     "of residence or a delayed but happy commitment. Whatever you build today, build it "
     "to last and to be enjoyed.",
     "Domestic peace, stability, renewal, home and commitment."},
    // 31 Five Of Hearts
    {"The Five of Hearts brings a stir of feelings that are hard to name. A small "
     "disappointment, a flash of jealousy or an old regret may surface today, and it is "
     "tempting to let it colour everything. Look at it gently instead. Feelings that come "
     "up now are asking to be understood, not obeyed. Talk to someone you trust, write a "
     "letter you may never send, or take a walk until your thoughts settle. Once the cloud "
     "passes, you will see clearly what still deserves your love and what you are ready to "
     "release at last",
     "Mixed emotions, disappointment, reflection, release and healing."},
    // 32 Six Of Hearts
    {"The Six of Hearts opens an old photo album. Memories of childhood, a first home or a "
     "friend from long ago may return today, carrying sweetness rather than sorrow. Let "
     "them remind you of who you were before life grew complicated. Someone from the past "
     "could get in touch, or you may feel moved to reach out yourself. This card also "
     "favours simple generosity: a gift given without occasion, a favour done for a "
     "neighbour, a game played with a child. Innocent pleasures are the richest ones "
     "today.",
     "Nostalgia, childhood, old friends, kindness and simple joys."},
    // 33 Seven Of Hearts
    {"The Seven of Hearts sets many possibilities before you, and not all of them are what "
     "they seem. A charming promise, a daydream about someone new or an offer that sounds "
     "too good to be true could tempt you today. Enjoy the imagining, but take your time "
     "before acting on it. Traditional readers called this a card of changeable "
     "affections, so judge people by what they do rather than what they say. Your heart "
     "deserves someone steady. Choose the quiet, real thing over the glittering illusion.",
     "Temptation, illusions, choices, discernment and steadiness."},
    // 34 Eight Of Hearts
    {"The Eight of Hearts brings an invitation. A party, a wedding, a dinner with family "
     "or an unexpected visit may fill your calendar, and you will be glad you said yes. "
     "This is a sociable, generous card that rewards you for showing up. Wear something "
     "you love, bring a small gift and let yourself be delighted by the company. "
     "Conversations held today could deepen a friendship or begin a romance. If you have "
     "been keeping to yourself lately, this is the day to come back into the warmth of "
     "your people",
     "Invitations, gatherings, generosity, romance and warmth."},
    // 35 Nine Of Hearts
    {"The Nine of Hearts is the wish card, the most cheerful in the whole deck. A hope you "
     "have held close, perhaps for a long time, is nearer to fulfilment than you think. "
     "Make your wish clearly, then act as though it may come true: prepare the room, send "
     "the note, book the table. Happiness comes easily today, and so does romance. Take "
     "time to relax and enjoy it instead of waiting for the next worry. Contentment is not "
     "something to earn later; under this card it is yours to claim now.",
     "love, romance, joy, happiness and relaxing."},
    // 36 Ten Of Hearts
    {"As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have "
     "long held dear, and the Ten of Hearts carries that love to its fullest bloom. Here "
     "the single heart has become a whole household: a happy family, a long partnership, a "
     "circle of friends who feel like kin. Today brings deep contentment and perhaps good "
     "news about a home, a wedding or a child. Gather your people around you and celebrate "
     "what you have built together. Love that has been tested and has lasted is the "
     "greatest fortune the cards can show. Look around the table tonight and count your "
     "blessings by name.",
     "Family happiness, fulfilment, lasting love, home and celebration."},
    // 37 King Of Hearts
    {"The King of Hearts is a kind and affectionate man, generous with his time and wise "
     "about feelings. He may be a father, a partner, a friend or a counselor who listens "
     "more than he speaks. His presence today suggests that your heart and your head can "
     "work together. Lead your household with warmth, settle a disagreement with fairness, "
     "and offer comfort where it is needed. If you seek advice about love or family, turn "
     "to someone mature and gentle; their words will steady you. Strength today looks like "
     "tenderness.",
     "Kindness, fairness, emotional wisdom, comfort and gentle strength."},
    // 38 Queen Of Hearts
    {"The Queen of Hearts is a loving, nurturing woman whose kindness turns a house into a "
     "home. She may be your mother, a partner, a grandmother or a friend who always has "
     "the kettle on when you need it.  Her message is to trust your intuition and care for "
     "others without forgetting yourself. Cook something comforting, write to someone who "
     "is lonely, forgive a small fault. Today your emotional wisdom is strong, and people "
     "will lean on you. Let them, but keep a quiet hour for your own heart.",
     "Nurturing, devotion, intuition, compassion and self-care."},
    // 39 Knights Of Hearts
    {"The Knight of Hearts arrives with a love letter. A message from an admirer, news of "
     "an engagement, or a sweet surprise from someone young in spirit may reach you today. "
     "This Knight is romantic, charming and a little impulsive, and some of that mood may "
     "rub off on you. Follow your feelings, but let them walk rather than gallop. A "
     "romantic gesture is lovely; a rash promise is not. If you have been hoping to hear "
     "from someone, keep your phone close and your heart open.",
     "Romance, love letters, charm, surprises and open hearts."},
    // 40 Ace Of Spades
    {"The Ace of Spades has a fearsome reputation, but its true meaning is transformation. "
     "Something in your life is ending, or needs to end, so that something stronger can "
     "take its place. It may be a habit, a job, a belief or a relationship that has run "
     "its course. Traditional readers feared this card as a dark omen, yet the spade is "
     "also the gardener's tool, the one that breaks hard earth so new roots can take hold. "
     "Endings are rarely comfortable, but this Ace offers a clean blade: cut what no "
     "longer serves you, and do it decisively. The strength you find in facing this change "
     "will surprise you. What grows in the cleared ground will be truly yours.",
     "Transformation, endings, decisiveness, power and renewal."},
    // 41 Two Of Spades
    {"The Two of Spades places a difficult choice in front of you. Two paths, two "
     "loyalties or two truths seem to pull in opposite directions, and it is tempting to "
     "avoid deciding at all. Avoidance, however, only keeps you stuck at the crossroads. "
     "Take off the blindfold: gather the facts, listen to your instinct, and accept that "
     "no choice is perfect. A tense conversation may be needed, and a truce is possible if "
     "both sides are honest. Once you commit, the tension will ease.",
     "Difficult choices, stalemate, truth, truce and commitment."},
    // 42 Three Of Spades
    {"The Three of Spades denotes destruction. Something in your life has reached the "
     "point where it cannot be mended, and the card asks you to stop pretending otherwise. "
     "It may be a quarrel that keeps returning, a partnership built on unequal terms, or a "
     "habit that harms you more than it helps.  Separation can hurt, but it can also free "
     "you. Look honestly at your own part in the conflict, so that you do not carry it "
     "into what comes next. From the rubble you can build a more independent life, one "
     "chosen with open eyes. A new phase begins when you let the old one fall.",
     "Independent, self-destructive, conflicts, separation and starting a new phase of "
     "life."},
    // 43 Four Of Spades
    {"The Four of Spades calls for rest and recovery. After a period of struggle, your "
     "body and mind need time to heal, and pushing on regardless will only delay your "
     "return to strength. Cancel what can be cancelled. Turn down the noise, go to bed "
     "early, and let problems wait a day or two; most of them will still be there, and you "
     "will meet them better prepared. Traditional readers linked this card with minor "
     "illness or a short confinement, but also with the calm that follows it. Stillness "
     "today is not defeat. It is preparation.",
     "Rest, recovery, retreat, healing and quiet preparation."},
    // 44 Five Of Spades
    {"The Five of Spades describes a battle nobody really wins. An argument at work or at "
     "home may tempt you to prove you are right at any cost, but the price could be higher "
     "than the prize. Ask yourself what you actually want from this conflict. Sometimes "
     "the strongest move is to walk away, not in defeat but in wisdom. If you have been "
     "wronged, set a firm boundary and let the rest go. Setbacks today are temporary; your "
     "dignity, if you keep it, is permanent.",
     "Conflict, setbacks, boundaries, dignity and wise retreat."},
    // 45 Six Of Spades
    {"The Six of Spades denotes destruction. Something in your life has reached the point "
     "where it cannot be mended, and the card asks you to stop pretending otherwise. It "
     "may be a quarrel that keeps returning, a partnership built on unequal terms, or a "
     "habit that harms you more than it helps.  Separation can hurt, but it can also free "
     "you. Look honestly at your own part in the conflict, so that you do not carry it "
     "into what comes next. From the rubble you can build a more independent life, one "
     "chosen with open eyes. A new phase begins when you let the old one fall.",
     "Independent, self-destructive, conflicts, separation and starting a new phase of "
     "life."},
    // 46 Seven Of Spades
    {"The Seven of Spades warns you to keep your wits about you. Someone may not be "
     "telling the whole truth, or a plan that looks simple may hide complications. This is "
     "not a day for blind trust, nor for paranoia; it is a day for quiet attention. Check "
     "details, keep private matters private, and do not lend what you cannot afford to "
     "lose. Honesty, including honesty with yourself, is the best protection this card "
     "allows.",
     "Caution, deception, vigilance, discretion and honesty."},
    // 47 Eight Of Spades
    {"The Eight of Spades can make you feel boxed in, as if every path is blocked and "
     "every plan stalls. Look again, slowly. Many of the walls around you are made of "
     "worry rather than stone. Name one small step you can take today and take it. A "
     "cancelled plan or a cool reply is never the end of the story. Patience and a change "
     "of angle will show you the gap in the fence you missed.",
     "Restriction, frustration, patience, perspective and small steps."},
    // 48 Nine Of Spades
    {"The Nine of Spades is traditionally the heaviest card in the deck, associated with "
     "worry, sleepless nights and disappointment. If you feel anxious today, know that the "
     "fear often looms larger in the dark than it will in daylight. Write down what "
     "troubles you and separate the real problems from the imagined ones. Ask for help "
     "with the real ones. This card tests your resilience, and you have more of it than "
     "you believe. Every hardship you survive becomes part of the strength you will lean "
     "on later. Tonight, put the phone away early, make something warm to drink, and let "
     "sleep do part of the work.",
     "Anxiety, worry, resilience, courage and asking for help."},
    // 49 Ten Of Spades
    {"The Ten of Spades marks the end of a painful chapter. Something you have struggled "
     "with has run its full course, and although the parting may sting, the worst is now "
     "behind you. This is the point where the only way is up. Recognize the lesson, "
     "release the habit or the hope that kept hurting you, and notice the first light on "
     "the horizon. Traditional readers saw this card as a heavy burden or an unwelcome "
     "journey, yet many found that the road led somewhere better. Give yourself a little "
     "time to grieve, then walk forward; prosperity has a way of finding people who have "
     "learned to travel light. A new beginning is waiting just past the goodbye.",
     "New beginning, realization, end of bad habits, painful parting and prosperous. "},
    // 50 King Of Spades
    {"The King of Spades is a man of authority and cool judgment: a lawyer, a judge, a "
     "doctor or a senior figure who deals in hard facts. He may appear in your day as a "
     "formal decision, an official letter or a person whose word carries weight. Meet him "
     "with preparation rather than fear. Know your rights, bring your documents and speak "
     "clearly. This King also asks you to use your own authority wisely. Make a difficult "
     "call if you must, but make it with fairness, and you will earn respect that lasts.",
     "Authority, judgment, law, fairness and preparation."},
    // 51 Queen Of Spades
    {"The Queen of Spades is a woman who has known sorrow and come through it wiser. She "
     "is perceptive, independent and honest to the point of sharpness, and she has little "
     "patience for flattery. You may meet her today in a person who tells you what you "
     "need to hear rather than what you want to hear. Thank her, even if it stings. Her "
     "message is also about your own resilience: set boundaries, speak your truth plainly, "
     "and trust the clear sight that hardship has given you.",
     "Independence, perception, honesty, boundaries and resilience."},
    // 52 Knights Of Spades
    {"The Knight of Spades rides fast and speaks bluntly. A young, impatient person, or "
     "news delivered without much tact, could unsettle you today. Before reacting, "
     "separate the message from the manner. There may be useful truth in what is said, "
     "even if the timing is poor. This Knight also warns against acting on impulse "
     "yourself. A sharp reply, a hasty email or a reckless decision could cause trouble "
     "that takes weeks to repair. Think first, and let your courage serve your judgment.",
     "Bluntness, impulse, haste, unwelcome news and courage."},
}};

} // namespace cards
