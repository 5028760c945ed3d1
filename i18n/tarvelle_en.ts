<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CardName</name>
    <message>
        <source>Ace</source>
        <extracomment>Rank of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knights</source>
        <extracomment>The lowest court card (the Jack), in &quot;%1 Of %2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <extracomment>Suit of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the spring season</source>
        <extracomment>Season of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the summer season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the winter season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>Week number of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Of %2</source>
        <extracomment>A playing card&apos;s name: %1 is its rank, %2 its suit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 week of %2.</source>
        <extracomment>A card&apos;s favourable time of the year: %1 is the week&apos;s number, %2 the season</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>A rank as the journal&apos;s calendar abbreviates it: Ace, King, Queen, Knight (the Jack)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardReading</name>
    <message>
        <source>A single club on a white field is the simplest of starts, and that is its point. The Ace of Clubs puts the first push behind something new, whether a plan sketched long ago or a skill you keep promising yourself. Ideas arrive quickly when this card turns up, and the nerve to try them arrives with them. Luck with money belongs to it as well, the kind of luck that follows honest effort. Pick one practical step and take it while the spark is fresh. Things begun under this Ace tend to grow fast, which makes the choice of what to begin worth a minute&apos;s thought: what would you be glad to be tending a year from now?</source>
        <extracomment>Ace of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New beginnings, inspiration, energy and opportunity.</source>
        <extracomment>Ace of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What first step toward something new could you take before the spark fades?</source>
        <extracomment>Ace of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help is nearer than it looks when the Two of Clubs appears. Who holds the piece your plan is missing? Very likely someone within easy reach, perhaps a neighbour with handy skills, and you probably hold one of theirs. Show them the idea while it is still rough and let them change it. A choice between two offers, or between two ways of doing one task, can also come up. The better option is usually the one that keeps a good working friendship sound. Two people who trust each other finish a job in half the time and enjoy the doing twice as much.</source>
        <extracomment>Two of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partnership, cooperation, choice, trust and shared effort.</source>
        <extracomment>Two of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose skills would fill the gap in your plan?</source>
        <extracomment>Two of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roads open under the Three of Clubs, and one of them leads back to something that failed the first time. This is the card of the second attempt: the venture that needed a false start before it could work, the plan that finds a better route once the obvious one is blocked. Traditional readers put it plainly and promised a second marriage happier than the first. Read more generously, the card says that what you try again, wiser for the first try, tends to go further, though it asks for some bending. A route you did not choose can prove the quicker one, and a day somewhere unfamiliar shows how much room lies beyond your usual circuit. Ambition suits you, so long as it travels light. Which door closed on you, and what has opened beside it since?</source>
        <extracomment>Three of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change, flexibility, development, traveling and ambitious</source>
        <extracomment>Three of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What are you ready to try a second time?</source>
        <extracomment>Three of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Four of Clubs brings rest well earned and friends who stand by you. Whatever you have built lately, enjoy it as it is instead of adding another floor. An hour with nothing planned does more good than you would expect, and a laugh shared with the people on your side does as much. Let somebody look after you for once, and accept the lift home or the cup of tea without protest. Contentment of this kind is the mortar of every lasting enterprise. Even mortar needs a day left alone to set.</source>
        <extracomment>Four of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Happiness, joy, rest, warm and supportive</source>
        <extracomment>Four of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who looked after you, and how did it feel to let them?</source>
        <extracomment>Four of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lively company arrives with the Five of Clubs, and some friction comes with it. Someone new can join your circle, and at first their ideas might seem to clash with yours. Treat the argument as a whetstone: two keen minds pressed together often produce the best edge. Today&apos;s rival could be next month&apos;s ally if you listen longer than you talk and give credit freely. Alliances formed in honest debate tend to last, and they bring help long after the quarrel is forgotten. Many lasting friendships began as an argument between strangers.</source>
        <extracomment>Five of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New friends, healthy rivalry, debate, alliance and growth.</source>
        <extracomment>Five of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose disagreement taught you something you would not have learnt alone?</source>
        <extracomment>Five of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recognition is the gift of the Six of Clubs. Something you did without fuss, perhaps months ago, is about to be noticed, and it returns to you as praise or as a helping hand from someone who remembers a kindness of yours. Accept it with grace; modesty is charming, but refusing help only slows you down. Then pass some of the luck along. A word of encouragement from you might be exactly what a friend needs to get a stalled project moving. Success in this suit grows by being shared, like a fire that burns better for every log laid on it.</source>
        <extracomment>Six of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recognition, success, praise, helping hands, gratitude and generosity.</source>
        <extracomment>Six of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which piece of your work deserves a word of praise, even from yourself?</source>
        <extracomment>Six of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold your ground. The Seven of Clubs finds you pressed from more than one side, by a deadline crowding in or by someone questioning a decision you made for good reasons. Stay courteous and yield nothing: experience counts for more in a dispute like this than the volume of anyone&apos;s voice. Petty irritations will try to drag you from the main task, so pick the two or three things that truly matter and defend those. Everything else can wait. Tarot&apos;s matching card shows a man on a hilltop fending off six staves from below, outnumbered and still holding the better position.</source>
        <extracomment>Seven of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perseverance, courage, defence, priorities and steady effort.</source>
        <extracomment>Seven of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which two or three things were worth defending?</source>
        <extracomment>Seven of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Things speed up under the Eight of Clubs. Messages arrive and plans gather pace, and matters you had been waiting on start moving together. Your mind is sharp and your energy high, which is just what such a pace demands. Keep one hand near the brake all the same: speed makes it easy to sign before reading or to promise more than you can deliver. Narrow your attention to what must be done today, and check each step before taking the next. Think of traffic on a dual carriageway: fast, and safe only while everyone keeps to their lane.</source>
        <extracomment>Eight of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energetic, active, powerful, sharp, cautious and focused</source>
        <extracomment>Eight of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where did speed help you, and where did it nearly trip you up?</source>
        <extracomment>Eight of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Nine of Clubs comes late in a long job, when the finish is near and many people give up. If you feel worn down, take that as a measure of how far you have come rather than of how far is left. Guard your strength; a decent meal and a full night&apos;s sleep matter more now than they seem. Weariness makes a mild disagreement sound like a serious one; go gently with those around you, and a calm word now will spare a long apology later. Distance runners say the race is decided in its last miles, by whoever kept something in reserve.</source>
        <extracomment>Nine of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resilience, endurance, patience and near completion.</source>
        <extracomment>Nine of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will carry you through the last stretch?</source>
        <extracomment>Nine of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A long labour comes to an end. The Ten of Clubs marks the close of a project or of a whole year of effort, and the weight you have carried can soon be set down. Before hurrying on to whatever comes after, look back at what you achieved and at who helped you achieve it. If you took on more than your share along the way, give the extra back. Rewards often follow completion among the clubs, a bonus perhaps or a fresh offer. Completion works like a woodpile: hard work to gather, and warmth for a long while after.</source>
        <extracomment>Ten of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completion, responsibility, reward, relief and fresh offers.</source>
        <extracomment>Ten of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What can you set down now that it is finished?</source>
        <extracomment>Ten of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Think of the person who first showed you how a thing is really done, and you have the King of Clubs. He started with little and kept every promise he made on the way up. He speaks plainly, stands by his people when things go wrong and expects loyalty in return. His praise is seldom given and worth having, and his criticism arrives without decoration. Someone of his stamp could offer help today; if not, go and find one, because a word from a person who has done the job many times saves weeks of guessing. He leads from the front, and his crew follows because he was the first to pick up a shovel.</source>
        <extracomment>King of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leadership, loyalty, experience, honesty, mentorship and example.</source>
        <extracomment>King of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who taught you how a thing is properly done?</source>
        <extracomment>King of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every club and every street has its Queen of Clubs, the woman who knows everybody and somehow has a spare key or a folding table when one is needed. She runs things without raising her voice, and people enjoy being organized by her. Her help is yours for the asking, and being asked pleases her. Her method is no secret: a written list, and tasks handed out with a smile rather than barked as orders. Confidence worn lightly opens more doors than any title.</source>
        <extracomment>Queen of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confidence, warmth, organization, generosity and charm.</source>
        <extracomment>Queen of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What went better because somebody took charge of it with a smile?</source>
        <extracomment>Queen of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving day shows who your friends are, and the Knight of Clubs arrives in work gloves and stays until the last box is carried in. He volunteers first and complains last, and his energy is catching. Let some of it rub off: restart whatever has stalled, or say yes to an outing you would normally turn down. Finish what you begin before chasing the next idea, though; his weakness is a shed full of half-built things. If a loyal helper has carried you lately, thank them properly, face to face.</source>
        <extracomment>Knights of Clubs: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enthusiasm, loyalty, adventure, helpfulness and quick starts.</source>
        <extracomment>Knights of Clubs: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which half-finished thing deserves your enthusiasm before a new one does?</source>
        <extracomment>Knights of Clubs: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something of value is put in your hands by the Ace of Diamonds. Perhaps a payment, perhaps an idea for earning; what matters most is what you do next. Part of it might go aside for later and part into a skill; mending a tool you rely on every day is money well spent too. Old fortune-tellers read this Ace as a letter or a ring, a promise sealed with something precious, so keep an eye on the post. Even a modest sum, handled wisely, can be the first stone of real security.</source>
        <extracomment>Ace of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prosperity, new income, opportunity, gifts and good news.</source>
        <extracomment>Ace of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What of value came into your hands, and where will you put it?</source>
        <extracomment>Ace of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juggling is the skill the Two of Diamonds asks for. Bills and claims on one purse compete for your attention, and you can keep them all in the air once you find a rhythm. Write down what comes in and what goes out, and let the figures calm your nerves. Swaps and agreements between two parties go well today. A bargain struck now is likely to be fair, provided you say plainly what you want and listen to what the other side needs in return. Bend where you can, and stand fast only on the one point that matters most.</source>
        <extracomment>Two of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance, juggling, flexibility, fair exchange and planning.</source>
        <extracomment>Two of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which two demands are you balancing, and which one matters more?</source>
        <extracomment>Two of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skilled hands are honoured by the Three of Diamonds. Something you make or mend with care is worth more than its price tag, and people are beginning to notice. Team up with someone whose talents fill the gaps in yours. There is a caution here as well: agreements made in haste, especially over money, can sour into quarrels, even into a dispute that ends at a solicitor&apos;s desk. Put the terms in writing and read every clause; a debt left unsettled breeds resentment. Careful work and a bargain written out clearly earn their own fair reward.</source>
        <extracomment>Three of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Craftsmanship, teamwork, agreements, caution and fair reward.</source>
        <extracomment>Three of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What have you made or mended with care lately?</source>
        <extracomment>Three of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under your feet the Four of Diamonds lays a solid floor. Your finances are plain rather than glamorous, and sounder than your worries suggest; some discipline now will make them stronger still. Before buying anything new, see what you already own; much of it can be repaired or put to better use. Be wary, though, of gripping so tightly that security turns into a fear of spending, for a purse that never opens costs friendships and chances alike. Saving works best with a purpose in mind. Money kept only to be counted is like a toolbox nobody opens.</source>
        <extracomment>Four of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability, security, savings and prudence.</source>
        <extracomment>Four of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What do you already own that could be put to better use?</source>
        <extracomment>Four of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Five of Diamonds shakes things a little. An unplanned expense or a change in income could turn up, or talk of a move to a new address. Panic only makes the sums harder. Turbulence like this often clears space for something better, as a gale strips dead wood so that new growth can come through. Ask for help if you need it; pride keeps poor accounts. Telling the right people where you stand brings support you had not known existed, and a sensible change made now can leave you on surer footing within a few months.</source>
        <extracomment>Five of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change, unexpected expense, moving, adaptability and support.</source>
        <extracomment>Five of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who could help you with the cost or change that turned up?</source>
        <extracomment>Five of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money and favours flow both ways when the Six of Diamonds turns up. A sum you had forgotten could be repaid to you, or the chance could come to help someone who is struggling. Give without keeping score, and receive without blushing. Fairness is at the heart of it, so look over your own dealings for anything left unsettled. An old debt cleared today, in either direction, lightens the mind as well as the purse. The six stones sit in two even columns, three a side, like goods weighed on an honest scale.</source>
        <extracomment>Six of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generosity, fairness, giving, receiving and settled debts.</source>
        <extracomment>Six of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is there a debt, of money or of kindness, still waiting to be settled?</source>
        <extracomment>Six of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call the Seven of Diamonds a card for gardeners. You have planted something, perhaps a savings plan or a long piece of work, and now it must be left to bear fruit. Do not dig up the seeds to see if they have sprouted. Tend what you can instead: trim a wasteful expense, or get back in touch with a useful contact who has gone silent. Leave idle talk about other people&apos;s earnings to those who enjoy it; comparing your harvest with a neighbour&apos;s only spoils the taste of yours. An old English saying puts that patience in five words: plant pears for your heirs.</source>
        <extracomment>Seven of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patience, investment, growth, perseverance and harvest.</source>
        <extracomment>Seven of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What have you planted that needs leaving alone to grow?</source>
        <extracomment>Seven of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apprentices of every age are favoured by the Eight of Diamonds. Work that asks for patience and precision suits you today, and every careful hour adds to your skill and your value alike. Perhaps you are learning a new trade, or simply doing ordinary tasks a shade better than yesterday. A little extra money can come from an odd job or a sale; it will not change your life overnight, yet it confirms that you are on the right path. Mastery is built from exactly this kind of patient repetition, one careful stroke laid over another.</source>
        <extracomment>Eight of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diligence, skill, mastery, practice and modest reward.</source>
        <extracomment>Eight of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which skill got a little better through practice?</source>
        <extracomment>Eight of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Nine of Diamonds celebrates comfort earned with your own hands. Standing on your own feet without help is an achievement, and that independence deserves to be savoured. Treat yourself to quality rather than quantity, a good meal or a well-made tool. Self-reliance does not mean doing everything alone; it means your security no longer hangs on anybody&apos;s approval. Keep your ambitions high. A person at ease in a house bought with their own effort, with the door shut against the weather, is the whole picture of this card.</source>
        <extracomment>Nine of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self- reliance, self-actualization, independent, satisfied and ambitious.</source>
        <extracomment>Nine of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What have you earned by your own effort that you can enjoy?</source>
        <extracomment>Nine of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wealth that outlasts a single payday belongs to the Ten of Diamonds: a home paid off, a business handed on, savings that protect the people who count on you. News of a large purchase or a long-term plan finally coming together could reach you today. Take pleasure in it. Then give an hour to the dull part, the will or the insurance, because comfort that is well guarded can pass from one generation to the next. The story of the earning belongs to the inheritance too, and it is often the part remembered longest.</source>
        <extracomment>Ten of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wealth, abundance, family, legacy, security and celebration.</source>
        <extracomment>Ten of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will you hand on one day, and to whom?</source>
        <extracomment>Ten of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shrewd, good-humoured and impossible to hurry, the King of Diamonds reads every contract twice and enjoys a good haggle. He began with a barrow, now owns the shop on the corner and still counts the till himself. He respects people who know their numbers and forgives almost anything except waste. Before you settle any money matter today, think as he would: facts first, then a fair comparison of the offers. His answer to anyone who presses him to sign at once never changes: then go and sell it to somebody else.</source>
        <extracomment>King of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business sense, wisdom, authority, caution and fair dealing.</source>
        <extracomment>King of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which decision deserves facts first and a signature later?</source>
        <extracomment>King of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A woman with an eye for quality and a head for sums, the Queen of Diamonds can tell silk from polyester across a room and knows what each costs by the metre. She likes lovely things and is never owned by them. Through her the card invites you to enjoy a little beauty, flowers on the table perhaps, while keeping an honest record of the expense. Her advice about money deserves close attention; her bargains are legendary. Keep your own secrets, though. This Queen loves to talk, and a confidence told to her on Monday is common knowledge along the street by Tuesday.</source>
        <extracomment>Queen of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resourcefulness, elegance, practicality, good taste and gossip.</source>
        <extracomment>Queen of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What lovely thing was worth its price, and which secret is better kept?</source>
        <extracomment>Queen of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Somewhere between you and the money stands the Knight of Diamonds, a ledger in one pocket and a timetable in the other. He is the go-between of money matters: the courier with the parcel, the agent with the quote, the cousin who knows somebody selling a van. Thorough and in a hurry at once, he can work in your favour today. An offer or a payment might travel towards you through a third person. Read every line before you agree, and ask the question you feel silly asking. If the deal still stands once the figures are checked, take it without further dithering.</source>
        <extracomment>Knights of Diamond: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errands, offers, diligence, careful checks and opportunity.</source>
        <extracomment>Knights of Diamond: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which figures did you check twice before agreeing?</source>
        <extracomment>Knights of Diamond: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have cherished for generations: the first warm stirring of affection, the start of a friendship, the moment a house begins to feel like home. This Ace opens the heart, and an open heart is a gift to everyone near it. The kind word you have been holding back is worth saying, and being looked after for once is no weakness. New love or a happy letter could be on its way. Whatever begins now begins in sincerity, and it deserves the chance to grow.</source>
        <extracomment>Ace of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love, new affection, sincerity, openness and joy at home.</source>
        <extracomment>Ace of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which kind word were you holding back, and did you say it?</source>
        <extracomment>Ace of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two people find their way to each other in the Two of Hearts. Romance, a close friendship or a reconciliation with someone you had drifted away from: whatever form it takes, the feeling runs both ways. Ask how the other person really is, and answer honestly when the question comes back. Gestures that cost nothing carry great weight here, like tea brought without asking or a hand held a moment longer. If a coolness has crept in with someone dear, take the first step back towards them. On the card itself the two hearts mirror each other, one upright and one upside down.</source>
        <extracomment>Two of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmony, mutual love, tenderness and reconciliation.</source>
        <extracomment>Two of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who do you miss being close to these days?</source>
        <extracomment>Two of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voices fill the house. The Three of Hearts brings company, whether friends dropping by unannounced or a celebration long planned, and laughter comes easily. There is one caution in this cheerful card. When affection is shared among three, somebody can end up feeling left out, and a harmless flirtation can be read as more than it was. Be honest about the feelings you have and about those you lack, and make only promises you intend to keep. Honesty of that sort keeps the whole circle warm.</source>
        <extracomment>Three of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celebration, friendship, gatherings, honesty and clear feelings.</source>
        <extracomment>Three of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who made you laugh, and was anyone left out of the circle?</source>
        <extracomment>Three of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A peaceful home is honoured by the Four of Hearts. Life indoors runs smoothly, and such stability is worth treasuring. Still, a restlessness can stir, a sense that comfort is sliding into routine. Bring the freshness home rather than hunting for it elsewhere; moving the furniture or cooking a dish you have never tried can do more than a trip abroad. In older readings this card could also foretell a change of address, or a commitment that is delayed but happy in the end. Homes stay alive the way fires do, by being stirred now and then.</source>
        <extracomment>Four of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domestic peace, stability, renewal, home and commitment.</source>
        <extracomment>Four of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What one change would make home feel fresh again?</source>
        <extracomment>Four of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some feelings are hard to name, and the Five of Hearts stirs a few of them. A disappointment or a flash of jealousy can surface, and it is tempting to let it tint the whole day. Look at it gently instead; a feeling like this wants understanding more than obedience. Talking to someone you trust helps, as does a letter you never send. When the cloud passes you will see which attachments still deserve your love and which you are ready to let go at last.</source>
        <extracomment>Five of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed emotions, disappointment, reflection, release and healing.</source>
        <extracomment>Five of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which feeling was hard to name, and what was it asking for?</source>
        <extracomment>Five of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweet memories drift back with the Six of Hearts: a childhood street, a first home, a friend from long ago. They carry warmth rather than sorrow, and they remind you of who you were before life grew complicated. Someone from your past could get in touch, or you might feel moved to write first. Simple generosity is favoured as well. A present given for no occasion, or an errand run for a neighbour who cannot manage it, pleases the giver as much as the one who receives. The plainest pleasures often prove the richest.</source>
        <extracomment>Six of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nostalgia, childhood, old friends, kindness and simple joys.</source>
        <extracomment>Six of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which memory from long ago came back to you?</source>
        <extracomment>Six of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possibilities crowd around you, and the Seven of Hearts warns that not all of them are what they seem. A charming promise or an offer that sounds too good to be true could tempt you. Enjoy the imagining, but take time before acting on it. This is an old card of changeable affections, so judge people by what they do over weeks, never by what they say over one glass of wine. When the choice comes, pick the real thing over the glittering one. Mirages, after all, look most convincing to the thirsty.</source>
        <extracomment>Seven of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temptation, illusions, choices, discernment, patience and steadiness.</source>
        <extracomment>Seven of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What do the facts say about the promise that sounded too good?</source>
        <extracomment>Seven of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expect an invitation from the Eight of Hearts, perhaps to a wedding or to a table where you know only the host, and you will be glad you said yes. This sociable, generous card rewards anyone who turns up. Wear something you love, and let yourself be entertained. A conversation begun at such a gathering could deepen a friendship or start a romance. If you have kept to yourself lately, here is an opening to come back into the warmth of your own people.</source>
        <extracomment>Eight of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invitations, gatherings, generosity, romance and warmth.</source>
        <extracomment>Eight of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which invitation would you like to accept, or to send?</source>
        <extracomment>Eight of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known everywhere as the wish card, the Nine of Hearts is counted by many readers the luckiest in the deck. A hope you have held close, perhaps for years, is nearing fulfilment. Name your wish plainly, if only to yourself, and then behave as though it could come true. Happiness is close at hand, romance too. Make time to relax and enjoy them instead of scanning the horizon for the next worry. Contentment is knocking; let it in without asking whether you have deserved it.</source>
        <extracomment>Nine of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>love, romance, joy, happiness and relaxing.</source>
        <extracomment>Nine of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you named your wish plainly, what would it be?</source>
        <extracomment>Nine of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love grown to its full size is the subject of the Ten of Hearts. What started as one affection has become a household: the ones who know how you take your tea, who turn up without being asked, who have seen you at your worst and stayed. Whether they are kin by blood or by choice makes no difference here. Good news about a home or a wedding is traditional with this card, as is plain contentment, the kind nobody notices until it is named. Picture a table with every chair taken and the talk running over itself: that noise is what this card sounds like.</source>
        <extracomment>Ten of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family happiness, fulfilment, lasting love, home and celebration.</source>
        <extracomment>Ten of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who are the people you count as your own?</source>
        <extracomment>Ten of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture a man who remembers the names of his neighbours&apos; children and still gets choked up at weddings. The King of Hearts is warm, generous and a touch impulsive, quick to anger and quicker to forgive. Someone with his warmth could settle a quarrel in your circle today; let him. If nobody steps forward, the part is yours. Hearing both sides before you judge is half the work, and comfort offered without a lecture is the other half. His temper flares like a match and goes out as fast, and nobody who knows him holds it against him.</source>
        <extracomment>King of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warmth, generosity, quick temper, forgiveness and fairness.</source>
        <extracomment>King of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which quarrel needs both sides heard before anyone judges it?</source>
        <extracomment>King of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kettle is always on at the Queen of Hearts&apos; table. She is the woman everyone rings in a crisis, who remembers every birthday and turns up with soup when you are ill. Her gift is intuition, a feeling for what others need before they say it. Her kind of attention is catching: a pot of something warm carried next door, or a note to someone lonely, will be remembered when the pot is long empty. Look after yourself with equal care, though, and keep one hour for your own heart. Even she sits down at last with the final cup from the pot.</source>
        <extracomment>Queen of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nurturing, devotion, intuition, compassion, comfort and self-care.</source>
        <extracomment>Queen of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose need did you sense before they said it?</source>
        <extracomment>Queen of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charming, attentive and a little too fond of grand gestures, the Knight of Hearts courts the world. He could be an admirer, or the friend who sends flowers for no reason at all. In his company romance feels easy and a surprise is never far away. Enjoy the attention, and return it if you mean it. Let feelings take their time. A tender gesture is lovely; a rash promise made by candlelight is hard to unsay.</source>
        <extracomment>Knights of Hearts: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romance, devotion, charm, good company and open hearts.</source>
        <extracomment>Knights of Hearts: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What gesture of affection would you make if you had the nerve?</source>
        <extracomment>Knights of Hearts: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feared by many, the Ace of Spades is really a card of transformation. Some part of your life is ending, or needs to end, so that something sturdier can take its place, whether a habit or a belief that has run its course. Remember that a spade is also a digging tool, the blade that breaks hard earth so that roots can take hold. Endings are rarely comfortable, but this Ace offers a clean cut. Decide what no longer serves you, and act on it without apology. Whatever grows in the cleared ground will be truly yours.</source>
        <extracomment>Ace of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformation, endings, decisiveness and renewal.</source>
        <extracomment>Ace of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is ending, and what should grow in its place?</source>
        <extracomment>Ace of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stalemate is the word for the Two of Spades. Two paths or two loyalties pull you in opposite directions, and not choosing at all can look tempting. Putting it off only leaves you standing at the crossroads. Look squarely at the whole situation; facts help, and your instinct helps too, though no choice will be perfect. A tense conversation might be needed, and a truce is possible if both sides are honest about what they want. In tarot the matching picture is a blindfolded woman holding two crossed swords, perfectly balanced and going nowhere.</source>
        <extracomment>Two of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficult choices, stalemate, truth, truce and commitment.</source>
        <extracomment>Two of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What fact would settle the choice you keep putting off?</source>
        <extracomment>Two of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Three of Spades denotes destruction. Something in your life has reached the point where it cannot be mended, and the card asks you to stop pretending otherwise. It could be a quarrel that keeps returning or a partnership built on unequal terms. Separation can hurt, but it can also free you. Look honestly at your own part in the conflict, so that you do not carry it into what comes next. From the rubble you can build a more independent life, one chosen with open eyes. A new phase begins once you let the old one go.</source>
        <extracomment>Three of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independent, self-destructive, conflicts, separation and starting a new phase of life.</source>
        <extracomment>Three of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What are you still trying to mend that cannot be mended?</source>
        <extracomment>Three of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest and recovery are the business of the Four of Spades. If the last stretch has been hard, body and mind need time to mend, and pushing on regardless only delays the return of your strength. Cancel whatever can be cancelled and turn down the noise. Problems will wait a day or two; most will still be there, and will find you better prepared. Old books connect this card with a minor illness and with the calm that follows it, when the house goes still and the mending gets done. Treat the pause as a hearth where your strength warms itself again.</source>
        <extracomment>Four of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest, recovery, retreat, healing and quiet preparation.</source>
        <extracomment>Four of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What could you cancel or postpone to make room for rest?</source>
        <extracomment>Four of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody really wins the battle the Five of Spades describes. An argument can tempt you to prove yourself right at any cost, and the price could be higher than the prize. What do you actually want from this conflict? Often the wiser move is to step away with your dignity whole and your temper cool. If someone has wronged you, one clear boundary, stated once, does more than any amount of argument. Setbacks of this sort are temporary, and the respect you keep by declining a petty fight outlasts them by years.</source>
        <extracomment>Five of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict, setbacks, boundaries, dignity, restraint and wise retreat.</source>
        <extracomment>Five of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which fight is not worth winning?</source>
        <extracomment>Five of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rough water falls behind you under the Six of Spades. If trouble has dogged you, it begins to ease, not all at once but by degrees, the way a ferry nearing the far shore feels the water calm under its hull. Cartomancers have long linked it with a journey, often over water, and with a move away from difficulty rather than a victory over it. You need not have solved everything to be better off; distance does a good deal of the mending. Pack only what the crossing requires and leave the rest on the quay. Improvement that comes this way is slow, which is exactly why it tends to last.</source>
        <extracomment>Six of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage, gradual improvement, journeys, calmer waters and relief.</source>
        <extracomment>Six of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What are you leaving behind, and what goes with you across the water?</source>
        <extracomment>Six of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your wits about you when the Seven of Spades appears. Someone might not be telling the whole story, or a plan that looks simple could hide complications. Blind trust would be unwise today, and suspicion of everyone just as unwise; what the day asks for is attention. Check the details and keep private matters private. A loan you cannot afford to lose is one you cannot afford to make. Where petty deceptions are about, the surest protection is honesty, including honesty with yourself about what you hope to hear.</source>
        <extracomment>Seven of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution, deception, vigilance and plain honesty.</source>
        <extracomment>Seven of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What detail deserves a second look before you trust it?</source>
        <extracomment>Seven of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Eight of Spades draws a fence around the day: plans stall, answers are slow, and every way forward seems shut. Walk the whole fence before you decide it has no gate. Some of its posts are real limits; others are only worry, and worry gives way when you lean on it. Pick one job that you can finish today and finish it. With patience and a fresh angle you will find the gate.</source>
        <extracomment>Eight of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restriction, frustration, patience, perspective and small steps.</source>
        <extracomment>Eight of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which limits are real, and which are only worry?</source>
        <extracomment>Eight of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of all the cards, the Nine of Spades has the heaviest name, linked with worry and sleepless nights. If anxiety sits with you today, remember that fears grow tall in the dark and shrink in daylight. Writing down what troubles you helps to sort the real problems from the imagined ones, and the real ones are easier to share. Resilience is being tested, and it has held under strain before. Every hardship you come through becomes part of the strength you draw on later. When the day is done, put the phone away early and let sleep do part of the work.</source>
        <extracomment>Nine of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anxiety, worry, resilience, courage and asking for help.</source>
        <extracomment>Nine of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the worry, written down in plain words?</source>
        <extracomment>Nine of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Ten of Spades something is finished, and finished for good. Older readers tied it to grief and unwelcome news, and it can carry both; what it does not carry is more of the same. If something has been hurting you, it has nowhere further to go. A parting can sting even when it was overdue, and it is allowed to. Notice which habit went with it, and do not pick that habit up again out of loyalty to the past. Ten completes the suit: from here the next deal starts with an Ace, and those same readers held that prosperity comes after the mourning.</source>
        <extracomment>Ten of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New beginning, realization, end of bad habits, painful parting and prosperous. </source>
        <extracomment>Ten of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which habit can leave along with what has ended?</source>
        <extracomment>Ten of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold air and clear thinking come with the King of Spades, a man whose word carries weight. He might be a judge or a surgeon, or the examiner who reads in silence and then asks the one question you hoped to avoid. He is neither cruel nor kind; he is exact. When a decision of that formal kind is due, go prepared: know your rights, have your papers in order and keep your answers brief. Few argue with his verdicts, because he always shows his reasons.</source>
        <extracomment>King of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authority, judgement, fairness and preparation.</source>
        <extracomment>King of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What decision needs your reasons set down on paper?</source>
        <extracomment>King of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life has not been easy for the Queen of Spades, and it has left her clear-eyed rather than bitter. She has stopped pretending, and her dry wit spares no one, herself least of all. Flattery bores her. She will tell you what you need to hear instead of what you would like to hear, and she deserves thanks for it, though it stings. She also stands for clarity you have earned yourself, the kind hard experience teaches: boundaries drawn without apology and the true thing said plainly. Her smile is rare, and worth more for it.</source>
        <extracomment>Queen of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independence, perception, honesty, boundaries and resilience.</source>
        <extracomment>Queen of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What true thing needs saying plainly, to someone or to yourself?</source>
        <extracomment>Queen of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Knight of Spades fights for whatever cause he takes up and seldom stops to ask whether the fight is needed. You might meet him as a blunt acquaintance or a rival who plays to win, or find him in your own temper. Sharp words could come your way today. Before reacting, separate what was said from how it was said; there is often useful truth under bad manners. Rushing in is his fault, not a virtue to copy, since a curt reply or a reckless decision can take weeks to undo. Courage that waits on judgement serves better than courage that charges.</source>
        <extracomment>Knights of Spades: reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluntness, impulse, haste, hard truths and courage.</source>
        <extracomment>Knights of Spades: keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Was there any truth under the sharp words you heard?</source>
        <extracomment>Knights of Spades: journal question</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [/STARTUP]
Shows a playing card for the day with its reading.

  /STARTUP       started at log-on: wait in the system tray when so chosen
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <extracomment>The help of the command line; the options themselves stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalExport</name>
    <message>
        <source>Tarvelle journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2
Favorable Time Period: %3
Keywords: %4
</source>
        <extracomment>The day copied from the journal: %1 date, %2 card, %3 its period, %4 its keywords</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnDemandJournalStore</name>
    <message>
        <source>%1 is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: the part of Tarvelle that keeps it is missing (%2). Installing Tarvelle again mends this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s card and the settings are unharmed. The days drawn and the notes typed are kept while Tarvelle runs, but cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteJournalFile</name>
    <message>
        <source>%1 is the journal itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be copied to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is neither a backup of a journal nor a CSV exported by Tarvelle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read as a journal: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 comes from a newer version of Tarvelle (format %2; this version knows format %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The days drawn and the notes typed are kept while Tarvelle runs, and written to the journal as soon as it takes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal cannot be kept: Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal&apos;s folder %1 cannot be made: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal cannot be made in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 changed while it was being opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 comes from a newer version of Tarvelle (format %2; this version knows format %3) and is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its days are shown, but nothing new is written to it, and notes cannot be typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version cannot show its days, and nothing new is written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds the journal %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 is damaged and cannot be moved aside: %2. It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal file was damaged. It has been kept, untouched, as %1, and a new journal has begun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of the damaged file has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::CardPanel</name>
    <message>
        <source>Cartomancy Card For The Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::CardPicture</name>
    <message>
        <source>Picture of the card %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::JournalCalendar</name>
    <message>
        <source>, with a note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::JournalExportDialog</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;very day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days &amp;from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;CSV, for spreadsheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::JournalStatisticsView</name>
    <message>
        <source>Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suits and colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red %1, black %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Came up most: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) recorded, %1 with a note.</source>
        <extracomment>%1 is the number of days with a note</extracomment>
        <translation>
            <numerusform>%n day recorded, %1 with a note.</numerusform>
            <numerusform>%n days recorded, %1 with a note.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n time)</numerusform>
            <numerusform>%1 (%n times)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run of days with a note: %n day(s).</source>
        <translation>
            <numerusform>Longest run of days with a note: %n day.</numerusform>
            <numerusform>Longest run of days with a note: %n days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import into the journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a card or words in the notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A card or words in the notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What came up, as a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back Up…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Journal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import days from a backup or an exported CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day&apos;s card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note holds at most %L1 characters; this one has no room for more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note for %1 was changed elsewhere while it was open here; both are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be exported to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal backups (*.sqlite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not be backed up to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal is backed up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal backups and exports (*.sqlite *.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported from %1: new days %2, notes joined to the journal&apos;s own %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is neither a journal backup nor a CSV exported from the journal; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read (%2); nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal could not take the import (%1); nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Came up %n time(s) since %1</source>
        <extracomment>%1 is the date of the first day in the journal</extracomment>
        <translation>
            <numerusform>Came up once since %1</numerusform>
            <numerusform>Came up %n times since %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in the journal.</source>
        <translation>
            <numerusform>%n day in the journal.</numerusform>
            <numerusform>%n days in the journal.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tarvelle journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) exported to %1.</source>
        <translation>
            <numerusform>%n day exported to %1.</numerusform>
            <numerusform>%n days exported to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &amp;10 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In an &amp;Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &amp;Three Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wait While I&apos;m Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the display time, keep the card back while the desktop says you are busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind Me &amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are You Sure You Want To Quit Tarvelle?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk about your cards with friends on the Quellmoor discussion board: click here to visit us!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::Program</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::SettingsPanel</name>
    <message>
        <source>Cartomancy Card Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let Tarvelle  show your Lucky Cartomancy Card for the Day! Set the time and other display settings here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Display Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Display Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::WindowPresence</name>
    <message>
        <source>Recent – today&apos;s card is waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>Tarvelle is a daily divination technique based on playing cards. This software displays a card for the day and explains the keywords and meaning. This software can be used as a reference point to start your day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quellmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quellmoor is to visit Quellmoor regularly and take part in the discussions and other activities on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Quellmoor regularly. Support Quellmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quellmoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quellmoor is a FREE online discussion forum for all things mystic. To help Quellmoor develop and maintain this software visit Quellmoor regularly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quellmoor needs your help. All you need to do is visit Quellmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quellmoor Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Quellmoor Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quellmoor Softwares. We make programs for astrology and horoscopes, psychic readings, tarot spreads, numerology and many other corners of the occult, each made to be as welcoming as this one.

All of them are simple and easy to use, fun and informative. Try them for yourself, and share what you discover with your friends and family.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Quellmoor Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rules::PanelChoices</name>
    <message>
        <source>Error %1 opening key<byte value="xd"/>
%2</source>
        <extracomment>%1 is the error&apos;s number, %2 the system&apos;s words for it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 setting key<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
